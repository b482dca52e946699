#include "platform/graphics/pen.h"

#include <algorithm>

void TPen::Assign(const TPen& source) {
  color_ = source.color_;
  width_ = source.width_;
  style_ = source.style_;
  mode_ = source.mode_;
  Changed();
}

void TPen::SetColor(TColor color) {
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  width_ = std::max(0, width);
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  style_ = style;
  Changed();
}

void TPen::SetMode(TPenMode mode) {
  mode_ = mode;
  Changed();
}
