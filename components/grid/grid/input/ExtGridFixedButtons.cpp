// TExtStringGrid: fixed cells as buttons (FixedAsButtons): a press draws the cell sunken, the
// release raised again. The canvas paints only inside Paint, so the edges are remembered and
// drawn over the cells there.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/input/InputState.h"
#include "platform/winapi/edge.h"

// Fixed cells look like buttons only with both fixed lines and the 3D look.
void TExtStringGrid::PressFixedButton(int ACol, int ARow) {
  const bool fixedArea = ACol < GetFixedCols() || ARow < GetFixedRows();
  if (!FixedAsButtons || Flat || !(fixedArea || IsFixed(ACol, ARow))) return;
  const TGridOptions options = GetOptions();
  if (!options.Contains(goFixedVertLine) || !options.Contains(goFixedHorzLine)) return;
  auto& sizing = input_->SizingMouse;
  sizing.button = InputState::FixedButton::Sunken;
  sizing.buttonRect = CellRect(ACol, ARow);
  InvalidateClientRect(sizing.buttonRect);
}

void TExtStringGrid::ReleaseFixedButton() {
  auto& sizing = input_->SizingMouse;
  if (sizing.button != InputState::FixedButton::Sunken) return;
  sizing.button = InputState::FixedButton::Raised;
  InvalidateClientRect(sizing.buttonRect);
}

// Right and bottom first, then left and top, so the corners take the left and top colours.
void TExtStringGrid::PaintFixedButton() {
  using enum InputState::FixedButton;
  auto& sizing = input_->SizingMouse;
  if (sizing.button == None) return;
  const unsigned edge = sizing.button == Sunken ? EDGE_SUNKEN : EDGE_RAISED;
  TRect r = sizing.buttonRect;
  DrawEdge(GetCanvas(), &r, edge, BF_RIGHT | BF_BOTTOM);
  DrawEdge(GetCanvas(), &r, edge, BF_LEFT | BF_TOP);
  if (sizing.button == Raised) sizing.button = None;
}
