// The floating button that follows the mouse while a column is dragged: a bordered window of
// its own in the button face colour that shows the column's header text and lets the mouse
// through to what lies beneath.
#pragma once

#include "platform/controls/customcontrol.h"

class TPopupButton : public TCustomControl {
 public:
  explicit TPopupButton(TComponent* AOwner);

  bool GetFlat() const { return flat_; }
  void SetFlat(bool value) { flat_ = value; }

  // Inside the one-pixel border.
  int GetClientWidth() const override { return GetWidth() - 2; }
  int GetClientHeight() const override { return GetHeight() - 2; }

 protected:
  void Paint() override;
  void TextChanged() override { Invalidate(); }
  void VisibleChanged() override;

 private:
  bool flat_ = false;
};
