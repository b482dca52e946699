#include "components/grid/controls/ButtonEditLayout.h"

#include <algorithm>

#include "platform/graphics/bitmap.h"

TRect TButtonEditLayout::ButtonBounds(int ButtonWidth) const {
  return Bounds(Frame() + ClientWidth() - ButtonWidth - 1, Frame(), ButtonWidth,
                ClientHeight() - 1);
}

TRect TButtonEditLayout::FormatRect(TRect Current, int ButtonWidth, int Gap) const {
  const int margin = Border ? 1 : 2;
  Current.Left = margin;
  Current.Top = margin;
  Current.Right = Frame() + ClientWidth() - ButtonWidth - Gap;
  Current.Bottom = Frame() + ClientHeight() + 1;
  return Current;
}

namespace {

int CharHeight(const TFont& font) {
  TBitmap bitmap;
  bitmap.Canvas->Font->Assign(font);
  return bitmap.Canvas->GetTextMetrics().tmHeight;
}

}  // namespace

int EditTextHeight(const TFont& Font) {
  static const int systemHeight = CharHeight(TFont());
  const int height = CharHeight(Font);
  return height + std::min(systemHeight, height) / 4;
}
