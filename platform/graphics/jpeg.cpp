#include "platform/graphics/jpeg.h"

#include <algorithm>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/jpeg_codec.h"
#include "platform/graphics/qt/qt_image.h"

namespace {

QImage ToImage(const RgbImage& rgb) {
  QImage image(rgb.width, rgb.height, QImage::Format_RGB32);
  for (int y = 0; y < rgb.height; ++y) {
    const uint8_t* in = rgb.rgb.data() + static_cast<size_t>(y) * rgb.width * 3;
    QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < rgb.width; ++x) out[x] = qRgb(in[x * 3], in[x * 3 + 1], in[x * 3 + 2]);
  }
  return image;
}

RgbImage FromImage(const QImage& source) {
  QImage image = source.convertToFormat(QImage::Format_RGB32);
  RgbImage rgb{image.width(), image.height(), {}};
  rgb.rgb.reserve(static_cast<size_t>(rgb.width) * rgb.height * 3);
  for (int y = 0; y < rgb.height; ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < rgb.width; ++x) {
      rgb.rgb.push_back(static_cast<uint8_t>(qRed(line[x])));
      rgb.rgb.push_back(static_cast<uint8_t>(qGreen(line[x])));
      rgb.rgb.push_back(static_cast<uint8_t>(qBlue(line[x])));
    }
  }
  return rgb;
}

}  // namespace

TJPEGImage::TJPEGImage() : bitmap_(std::make_unique<TBitmap>()) {
  bitmap_->SetPixelFormat(pf24bit);
}

TJPEGImage::~TJPEGImage() = default;

bool TJPEGImage::GetEmpty() const { return bitmap_->GetEmpty(); }
int TJPEGImage::GetWidth() const { return bitmap_->GetWidth(); }
int TJPEGImage::GetHeight() const { return bitmap_->GetHeight(); }

void TJPEGImage::SetCompressionQuality(int quality) {
  quality_ = std::clamp(quality, 1, 100);
  data_.clear();
}

void TJPEGImage::SetGrayscale(bool grayscale) {
  grayscale_ = grayscale;
  data_.clear();
}

void TJPEGImage::LoadFromStream(TStream& stream) {
  std::vector<uint8_t> data = stream.ReadRest();
  bitmap_->Pixels().image = ToImage(DecodeJpeg(data));
  bitmap_->PixelsChanged();
  data_ = std::move(data);
  Changed();
}

void TJPEGImage::Compress() {
  if (data_.empty() && !GetEmpty())
    data_ = EncodeJpeg(FromImage(bitmap_->Pixels().image), quality_, grayscale_);
}

void TJPEGImage::SaveToStream(TStream& stream) {
  Compress();
  stream.WriteBuffer(data_.data(), static_cast<int64_t>(data_.size()));
}

void TJPEGImage::Assign(const TGraphic* source) {
  if (source == this) return;
  if (const TJPEGImage* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
    data_ = jpeg->data_;
    quality_ = jpeg->quality_;
    grayscale_ = jpeg->grayscale_;
    bitmap_->Assign(jpeg->bitmap_.get());
  } else {
    data_.clear();
    bitmap_->Assign(source);
  }
  Changed();
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) { bitmap_->Draw(canvas, rect); }
