#include "platform/stdctrls/image.h"

#include "platform/graphics/bitmap.h"

TImage::TImage(TComponent* AOwner)
    : TGraphicControl(AOwner), picture_(std::make_unique<TPicture>()) {
  picture_->OnChange = [this](TObject*) { PictureChanged(); };
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() { picture_->OnChange = nullptr; }

TCanvas* TImage::GetCanvas() {
  TGraphic* graphic = picture_->GetGraphic();
  if (graphic && !dynamic_cast<TBitmap*>(graphic))
    throw EInvalidOperation("Can only modify an image if it contains a bitmap");
  if (!graphic) {
    TBitmap* bitmap = picture_->GetBitmap();
    bitmap->SetSize(GetWidth(), GetHeight());
  }
  return picture_->GetBitmap()->Canvas;
}

void TImage::SetStretch(bool value) {
  stretch_ = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  center_ = value;
  Invalidate();
}

void TImage::SetProportional(bool value) {
  proportional_ = value;
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  transparent_ = value;
  PictureChanged();
}

void TImage::SetAutoSize(bool value) {
  autoSize_ = value;
  PictureChanged();
}

void TImage::PictureChanged() {
  TGraphic* graphic = picture_->GetGraphic();
  if (graphic && graphic->GetTransparent() != transparent_) graphic->SetTransparent(transparent_);
  if (autoSize_ && picture_->GetWidth() > 0 && picture_->GetHeight() > 0)
    SetBounds(GetLeft(), GetTop(), picture_->GetWidth(), picture_->GetHeight());
  Invalidate();
}

// Stretched, or shrunk when it does not fit and Proportional asks for it; with Proportional
// the longer side fills the control and the other keeps the picture's aspect.
TRect TImage::DestRect() const {
  int w = picture_->GetWidth(), h = picture_->GetHeight();
  int cw = GetClientWidth(), ch = GetClientHeight();
  if (stretch_ || (proportional_ && (w > cw || h > ch))) {
    if (proportional_ && w > 0 && h > 0) {
      double aspect = static_cast<double>(w) / h;
      bool wide = w > h;
      w = wide ? cw : static_cast<int>(ch * aspect);
      h = wide ? static_cast<int>(cw / aspect) : ch;
      if (h > ch) {
        h = ch;
        w = static_cast<int>(ch * aspect);
      }
      if (w > cw) {
        w = cw;
        h = static_cast<int>(cw / aspect);
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  TRect rect(0, 0, w, h);
  if (center_) OffsetRect(rect, (cw - w) / 2, (ch - h) / 2);
  return rect;
}

void TImage::Paint() {
  if (TGraphic* graphic = picture_->GetGraphic(); graphic && !graphic->GetEmpty())
    TGraphicControl::GetCanvas()->StretchDraw(DestRect(), graphic);
}
