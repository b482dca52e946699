// TExtStringGrid: fixed cells as buttons (FixedAsButtons): a press draws the cell sunken, the
// release raised again. The canvas paints only inside Paint, so the edges are remembered and
// drawn over the cells there.
#include "components/grid/grid/ExtGrid.h"
#include "platform/winapi/edge.h"

// Fixed cells look like buttons only with both fixed lines and the 3D look.
void TExtStringGrid::PressFixedButton(int ACol, int ARow) {
  const bool fixedArea = ACol < GetFixedCols() || ARow < GetFixedRows();
  if (!FixedAsButtons || Flat || !(fixedArea || IsFixed(ACol, ARow))) return;
  const TGridOptions options = GetOptions();
  if (!options.Contains(goFixedVertLine) || !options.Contains(goFixedHorzLine)) return;
  sizingMouse_.button = FixedButton::Sunken;
  sizingMouse_.buttonRect = CellRect(ACol, ARow);
  InvalidateClientRect(sizingMouse_.buttonRect);
}

void TExtStringGrid::ReleaseFixedButton() {
  if (sizingMouse_.button != FixedButton::Sunken) return;
  sizingMouse_.button = FixedButton::Raised;
  InvalidateClientRect(sizingMouse_.buttonRect);
}

// Right and bottom first, then left and top, so the corners take the left and top colours.
void TExtStringGrid::PaintFixedButton() {
  if (sizingMouse_.button == FixedButton::None) return;
  const unsigned edge = sizingMouse_.button == FixedButton::Sunken ? EDGE_SUNKEN : EDGE_RAISED;
  TRect r = sizingMouse_.buttonRect;
  DrawEdge(GetCanvas(), &r, edge, BF_RIGHT | BF_BOTTOM);
  DrawEdge(GetCanvas(), &r, edge, BF_LEFT | BF_TOP);
  if (sizingMouse_.button == FixedButton::Raised) sizingMouse_.button = FixedButton::None;
}
