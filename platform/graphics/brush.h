// TBrush: the colour and pattern that fills areas; bsClear fills nothing and makes text
// backgrounds transparent. Giving a clear brush a colour makes it solid again.
#pragma once

#include "platform/graphics/color.h"
#include "platform/graphics/graphics_object.h"

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
                   bsDiagCross };

class TBrush : public TGraphicsObject {
 public:
  void Assign(const TBrush& source);
  TColor GetColor() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle GetStyle() const { return style_; }
  void SetStyle(TBrushStyle style);

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};
