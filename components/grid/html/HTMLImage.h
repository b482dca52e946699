// THTMLImage: a control showing one HTML picture, placed by PicturePosition; it repaints when
// the picture changes and passes the picture's download reports on.
#pragma once

#include <memory>

#include "components/grid/html/HTMLPicture.h"
#include "platform/controls/customcontrol.h"

enum TPicturePosition {
  bpTopLeft,
  bpTopRight,
  bpBottomLeft,
  bpBottomRight,
  bpCenter,
  bpTiled,
  bpStretched
};

class THTMLImage : public TGraphicControl {
 public:
  explicit THTMLImage(TComponent* AOwner);
  ~THTMLImage() override;

  THTMLPicture* GetHTMLPicture() const { return picture_.get(); }
  void SetHTMLPicture(const THTMLPicture* Value) { picture_->Assign(Value); }
  TPicturePosition GetPicturePosition() const { return position_; }
  void SetPicturePosition(TPicturePosition Value);
  // The picture takes the resolution of the control's canvas.
  void Loaded() override;

  TDownLoadProgressEvent OnDownLoadProgress;
  TDownLoadCancelEvent OnDownLoadCancel;
  TNotifyEvent OnDownLoadComplete;
  TDownLoadErrorEvent OnDownLoadError;

 protected:
  void Paint() override;

 private:
  std::unique_ptr<THTMLPicture> picture_;
  TPicturePosition position_ = bpTopLeft;
};
