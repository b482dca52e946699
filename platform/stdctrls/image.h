// An image on a form: shows its picture at the top left, centred, stretched to the control or
// shrunk keeping its proportions; with AutoSize the control takes the picture's size. Its
// Canvas is the picture's bitmap, so drawing on it changes the picture.
#pragma once

#include <memory>

#include "platform/controls/customcontrol.h"
#include "platform/graphics/picture.h"

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;

  TPicture* GetPicture() const { return picture_.get(); }
  void SetPicture(const TPicture* picture) { picture_->Assign(picture); }
  // The bitmap of the picture (made of the control's size when there is no picture); raises
  // EInvalidOperation for a picture of another kind.
  TCanvas* GetCanvas();

  bool GetStretch() const { return stretch_; }
  void SetStretch(bool value);
  bool GetCenter() const { return center_; }
  void SetCenter(bool value);
  bool GetProportional() const { return proportional_; }
  void SetProportional(bool value);
  bool GetTransparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool GetAutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);

  // Where the picture is drawn inside the control.
  TRect DestRect() const;

 protected:
  void Paint() override;

 private:
  void PictureChanged();

  std::unique_ptr<TPicture> picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
  bool autoSize_ = false;
};
