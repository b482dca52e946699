// TExtStringGrid: the borders a cell draws itself, each side with its own pen, inside the
// cell so that a wide pen stays within it.
#include "components/grid/grid/paint/ExtGridCellPaint.h"

void TExtStringGrid::Painting::DrawCellBorders(CellPaint& P) {
  TCanvas* canvas = P.Canvas;
  TPen pen;
  pen.Assign(*canvas->Pen);
  TCellBorders borders;
  g.GetCellBorder(P.RealCol, P.Row, &pen, borders);
  if (borders.Empty() && !g.OnGetCellBorderProp) return;  // most cells: no pens to make
  TPen saved, left, top, right, bottom;
  saved.Assign(*canvas->Pen);
  for (TPen* side : {&left, &top, &right, &bottom}) side->Assign(pen);
  if (g.OnGetCellBorderProp)
    g.OnGetCellBorderProp(&g, P.Row, P.RealCol, &left, &top, &right, &bottom);

  TRect r = P.Rect;
  const int inset = (pen.GetWidth() + 1) / 2;
  InflateRect(r, -inset, -inset);
  const auto line = [&](const TPen& Pen, int x1, int y1, int x2, int y2) {
    canvas->Pen->Assign(Pen);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  if (borders.Contains(cbLeft)) line(left, r.Left, r.Top, r.Left, r.Bottom);
  if (borders.Contains(cbRight)) line(right, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
  if (borders.Contains(cbTop)) line(top, r.Left, r.Top, r.Right, r.Top);
  if (borders.Contains(cbBottom)) line(bottom, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
  canvas->Pen->Assign(saved);
}
