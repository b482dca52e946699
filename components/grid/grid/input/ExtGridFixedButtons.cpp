// TExtStringGrid: fixed cells as buttons (FixedAsButtons): a press draws the cell sunken, the
// release raised again. The canvas paints only inside Paint, so the edges are remembered and
// drawn over the cells there.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/input/InputState.h"
#include "components/grid/grid/input/Mouse.h"
#include "platform/winapi/edge.h"

// Fixed cells look like buttons only with both fixed lines and the 3D look.
void TExtStringGrid::Mouse::PressFixedButton(int ACol, int ARow) {
  const bool fixedArea = ACol < g.GetFixedCols() || ARow < g.GetFixedRows();
  if (!g.FixedAsButtons || g.Flat || !(fixedArea || g.IsFixed(ACol, ARow))) return;
  const TGridOptions options = g.GetOptions();
  if (!options.Contains(goFixedVertLine) || !options.Contains(goFixedHorzLine)) return;
  auto& sizing = g.d_->input->SizingMouse;
  sizing.button = InputState::FixedButton::Sunken;
  sizing.buttonRect = g.CellRect(ACol, ARow);
  g.InvalidateClientRect(sizing.buttonRect);
}

void TExtStringGrid::Mouse::ReleaseFixedButton() {
  auto& sizing = g.d_->input->SizingMouse;
  if (sizing.button != InputState::FixedButton::Sunken) return;
  sizing.button = InputState::FixedButton::Raised;
  g.InvalidateClientRect(sizing.buttonRect);
}

// Right and bottom first, then left and top, so the corners take the left and top colours.
void TExtStringGrid::Mouse::PaintFixedButton() {
  using enum InputState::FixedButton;
  auto& sizing = g.d_->input->SizingMouse;
  if (sizing.button == None) return;
  const unsigned edge = sizing.button == Sunken ? EDGE_SUNKEN : EDGE_RAISED;
  TRect r = sizing.buttonRect;
  DrawEdge(g.GetCanvas(), &r, edge, BF_RIGHT | BF_BOTTOM);
  DrawEdge(g.GetCanvas(), &r, edge, BF_LEFT | BF_TOP);
  if (sizing.button == Raised) sizing.button = None;
}
