// The small window a hint shows in: a bordered pop-up in the hint colours that never takes
// the focus. CalcHintRect measures a hint's text; ActivateHint shows it at a screen rectangle,
// kept on the screen; ReleaseHandle hides it.
#pragma once

#include "platform/controls/customcontrol.h"

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* AOwner);

  virtual void ActivateHint(TRect Rect, const AnsiString& AHint);
  virtual void ActivateHintData(TRect Rect, const AnsiString& AHint, void*) {
    ActivateHint(Rect, AHint);
  }
  // The rectangle at (0, 0) the hint needs, its lines broken at MaxWidth.
  virtual TRect CalcHintRect(int MaxWidth, const AnsiString& AHint, void* AData);
  void ReleaseHandle() { Hide(); }

  // Inside the one-pixel border.
  int GetClientWidth() const override { return GetWidth() - 2; }
  int GetClientHeight() const override { return GetHeight() - 2; }

 protected:
  void Paint() override;
  // A window of its own: it shows without a parent.
  void VisibleChanged() override;

 private:
  void PaintWindow();
};
