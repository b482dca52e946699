#include "components/grid/html/HTMLPicture.h"

#include "components/grid/html/DownLoadThread.h"
#include "components/grid/html/GifFrames.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/readerimage.h"

namespace {

// Decoded sizes are screen pixels at this resolution.
constexpr int kDecodedPixelsPerInch = 96;

}  // namespace

THTMLPicture::THTMLPicture() = default;

THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::LoadFromStream(TStream& Stream) {
  ReadData(Stream);
  Changed();
}

void THTMLPicture::SaveToStream(TStream& Stream) { WriteData(Stream); }

void THTMLPicture::ReadData(TStream& Stream) { TakeData(Stream.ReadRest()); }

void THTMLPicture::WriteData(TStream& Stream) {
  Stream.WriteBuffer(data_.data(), static_cast<int64_t>(data_.size()));
}

void THTMLPicture::TakeData(std::vector<uint8_t> Data) {
  std::vector<uint8_t> old = std::move(data_);
  const int oldFrame = frame_, oldCount = frameCount_;
  data_ = std::move(Data);
  frameCount_ = -1;
  // A frame the new data lacks would cut away every frame.
  if (frame_ > 1 && frame_ > GetFrameCount()) frame_ = 1;
  try {
    LoadPicture();
  } catch (...) {
    data_ = std::move(old);
    frame_ = oldFrame;
    frameCount_ = oldCount;
    throw;
  }
  empty_ = false;
}

void THTMLPicture::Assign(const TGraphic* Source) {
  if (Source == this) return;
  const THTMLPicture* other = dynamic_cast<const THTMLPicture*>(Source);
  if (Source && !other) throw EConvertError("Cannot assign this graphic");
  empty_ = true;
  decoded_.reset();
  ResetFrames();
  data_ = other ? other->data_ : std::vector<uint8_t>();
  if (other && !other->empty_) {
    LoadPicture();
    empty_ = false;
  }
  Changed();
}

void THTMLPicture::ResetFrames() {
  frame_ = 1;
  frameCount_ = -1;
  frameRect_ = TRect();
  frameTransp_ = false;
  frameDisposal_ = 0;
  gifScreenWidth_ = gifScreenHeight_ = 0;
  nextCount_ = timerCount_ = -1;
}

// Decodes the data, or the current frame of animated GIF data, into a new picture and takes
// it only when that succeeded.
void THTMLPicture::LoadPicture() {
  const bool frames = IsGIFFile() && GetFrameCount() > 0;
  TGIFFrameCut cut;
  if (frames) cut = CutGIFFrame(data_, frame_);
  const std::vector<uint8_t>& bytes = frames ? cut.Data : data_;
  auto picture = std::make_unique<TPicture>();
  try {
    if (cut.ScreenWidth > kGIFScreenLimit || cut.ScreenHeight > kGIFScreenLimit)
      throw Exception("damaged screen size");
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    picture->LoadFromStream(stream);
  } catch (const Exception&) {
    throw Exception("Could not load image. Invalid format");
  }
  // The decoder lays the frame on the logical screen; the picture is the frame alone.
  auto* image = dynamic_cast<TReaderImage*>(picture->GetGraphic());
  // The crop keeps pixels the decoder gave; it never makes room for more.
  TRect kept;
  IntersectRect(kept, cut.Rect, Bounds(0, 0, picture->GetWidth(), picture->GetHeight()));
  if (image && !IsRectEmpty(kept)) image->Crop(kept);
  decoded_ = std::move(picture);
  frameRect_ = cut.Rect;
  gifScreenWidth_ = cut.ScreenWidth;
  gifScreenHeight_ = cut.ScreenHeight;
}

int THTMLPicture::GetWidth() const {
  return decoded_ ? MulDiv(decoded_->GetWidth(), xResolution_, kDecodedPixelsPerInch) : 0;
}

int THTMLPicture::GetHeight() const {
  return decoded_ ? MulDiv(decoded_->GetHeight(), yResolution_, kDecodedPixelsPerInch) : 0;
}

void THTMLPicture::SetResolution(int X, int Y) {
  xResolution_ = X;
  yResolution_ = Y;
}

int THTMLPicture::GetMaxWidth() const { return gifScreenWidth_ > 0 ? gifScreenWidth_ : GetWidth(); }

int THTMLPicture::GetMaxHeight() const {
  return gifScreenHeight_ > 0 ? gifScreenHeight_ : GetHeight();
}

void THTMLPicture::Draw(TCanvas& Canvas, const TRect& Rect) {
  TGraphic* graphic = decoded_ ? decoded_->GetGraphic() : nullptr;
  if (empty_ || !graphic) return;
  if (stretch_) return graphic->Draw(Canvas, Rect);
  const TDeviceCaps& caps = Canvas.GetDeviceCaps();
  graphic->Draw(Canvas, Bounds(Rect.Left, Rect.Top,
                               MulDiv(graphic->GetWidth(), caps.dpiX, kDecodedPixelsPerInch),
                               MulDiv(graphic->GetHeight(), caps.dpiY, kDecodedPixelsPerInch)));
}

void THTMLPicture::DownLoadProgress(int64_t dwSize, int64_t dwTotSize) {
  if (OnDownLoadProgress) OnDownLoadProgress(this, dwSize, dwTotSize);
}

void THTMLPicture::DownLoadComplete() {
  if (OnDownLoadComplete) OnDownLoadComplete(this);
}

void THTMLPicture::DownLoadCancel(bool& Cancel) {
  if (OnDownLoadCancel) OnDownLoadCancel(this, Cancel);
}

void THTMLPicture::DownLoadError(const AnsiString& ErrorMessage) {
  if (OnDownLoadError) OnDownLoadError(this, ErrorMessage);
}
