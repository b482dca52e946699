// The speed button of the grid's small controls: themed (IsWinXP) or classic, flat or raised,
// that repaints as the mouse comes and goes, flat or not.
#pragma once

#include "platform/stdctrls/speedbutton.h"

class TExtSpeedButton : public TSpeedButton {
 public:
  using TSpeedButton::TSpeedButton;

  bool GetIsWinXP() const { return isWinXP_; }
  void SetIsWinXP(bool value);

 protected:
  void Paint() override;
  void CMMouseEnter() override;
  void CMMouseLeave() override;

 private:
  bool isWinXP_ = false;
};
