// A group box: a frame with a caption round the controls placed on it. The controls' positions
// count from the box's top-left corner, the frame's caption included.
#pragma once

#include "platform/controls/wincontrol.h"

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* AOwner);

 protected:
  void TextChanged() override;
  void AlignArea(int& left, int& top, int& width, int& height) const override;
};
