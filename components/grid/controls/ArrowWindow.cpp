#include "components/grid/controls/ArrowWindow.h"

#include <algorithm>
#include <array>

#include "platform/controls/popup_window.h"

namespace {

using Shape = std::array<POINT, 7>;

const Shape kShapes[] = {{{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}},    // arrUp
                         {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}},   // arrDown
                         {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}},   // arrLeft
                         {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}}};  // arrRight

}  // namespace

TArrowWindow::TArrowWindow(TComponent* AOwner, TArrowDirection Direction)
    : TPanel(AOwner), direction_(Direction) {
  SetPopupStyle(this, false);
  SetVisible(false);
  SetBevelOuter(bvNone);
  // Solid in the text colour, so that the arrow shows on cells and headers alike.
  SetColor(clWindowText);
  const Shape& shape = kShapes[Direction];
  int width = 0, height = 0;
  for (const POINT& p : shape) {
    width = std::max(width, p.x + 1);
    height = std::max(height, p.y + 1);
  }
  SetBounds(0, 0, width, height);
  SetWindowRgn(this, CreatePolygonRgn(shape.data(), static_cast<int>(shape.size()), WINDING), true);
}

void TArrowWindow::VisibleChanged() { ShowPopupWindow(this, GetVisible()); }
