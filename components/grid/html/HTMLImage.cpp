#include "components/grid/html/HTMLImage.h"

THTMLImage::THTMLImage(TComponent* AOwner)
    : TGraphicControl(AOwner), picture_(std::make_unique<THTMLPicture>()) {
  SetBounds(GetLeft(), GetTop(), 100, 100);
  picture_->OnChange = [this](TObject*) { Invalidate(); };
  picture_->OnFrameChange = [this](TObject*) { Invalidate(); };
  picture_->OnDownLoadProgress = [this](TObject*, int64_t size, int64_t total) {
    if (OnDownLoadProgress) OnDownLoadProgress(this, size, total);
  };
  picture_->OnDownLoadCancel = [this](TObject*, bool& cancel) {
    if (OnDownLoadCancel) OnDownLoadCancel(this, cancel);
  };
  picture_->OnDownLoadComplete = [this](TObject*) {
    if (OnDownLoadComplete) OnDownLoadComplete(this);
  };
  picture_->OnDownLoadError = [this](TObject*, const AnsiString& message) {
    if (OnDownLoadError) OnDownLoadError(this, message);
  };
}

THTMLImage::~THTMLImage() = default;

void THTMLImage::SetPicturePosition(TPicturePosition Value) {
  position_ = Value;
  Invalidate();
}

void THTMLImage::Loaded() {
  TGraphicControl::Loaded();
  const TDeviceCaps& caps = GetCanvas()->GetDeviceCaps();
  picture_->SetResolution(caps.dpiX, caps.dpiY);
}

void THTMLImage::Paint() {
  if (picture_->GetEmpty()) return;
  TCanvas& canvas = *GetCanvas();
  THTMLPicture* picture = picture_.get();
  const int w = picture->GetWidth(), h = picture->GetHeight();
  const int right = GetWidth() - w, bottom = GetHeight() - h;
  switch (position_) {
    case bpTopLeft:
      return canvas.Draw(0, 0, picture);
    case bpTopRight:
      return canvas.Draw(right, 0, picture);
    case bpBottomLeft:
      return canvas.Draw(0, bottom, picture);
    case bpBottomRight:
      return canvas.Draw(right, bottom, picture);
    case bpCenter:
      return canvas.Draw(right / 2, bottom / 2, picture);
    case bpTiled:
      if (w <= 0 || h <= 0) return;
      for (int y = 0; y < GetHeight(); y += h)
        for (int x = 0; x < GetWidth(); x += w) canvas.Draw(x, y, picture);
      return;
    case bpStretched: {
      // The picture draws at its natural size unless it stretches.
      const bool stretch = picture->GetStretch();
      picture->SetStretch(true);
      canvas.StretchDraw(TRect(0, 0, GetWidth(), GetHeight()), picture);
      picture->SetStretch(stretch);
      return;
    }
  }
}
