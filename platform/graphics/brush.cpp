#include "platform/graphics/brush.h"

void TBrush::Assign(const TBrush& source) {
  color_ = source.color_;
  style_ = source.style_;
  Changed();
}

void TBrush::SetColor(TColor color) {
  color_ = color;
  if (style_ == bsClear) style_ = bsSolid;  // a colour given means the brush fills again
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  style_ = style;
  Changed();
}
