// TExtStringGrid: painting one cell on the screen, in steps: the visual properties, the zoomed
// font, the row indicator, the gradient of fixed cells, the text, the borders, the look's
// edges of fixed cells, the user's drawing events and the focus rectangle. The base grid has
// filled the cell's background and drawn its grid lines before.
#include "components/grid/grid/paint/ExtGridCellPaint.h"
#include "components/grid/core/GridUtil.h"
#include "platform/winapi/edge.h"

namespace {
constexpr int kGradientSteps = 10;
}  // namespace

void TExtStringGrid::DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                                  TGridDrawState AState) {
  Painting paint(*this);
  Painting::CellPaint p{ACanvas, ACol, RemapCol(ACol), ARow, ARect, AState, false};
  bool wordWrap = WordWrap;
  GetVisualProperties(ACol, ARow, p.State, false, false, true, ACanvas->Brush, ACanvas->Font,
                      p.HAlign, p.VAlign, wordWrap);
  p.Fixed = IsFixed(ACol, ARow) || !IsNormalCell(ACol, ARow);
  p.URLColor = URLColor;
  p.Graphic = GetGraphicDetails(p.RealCol, ARow, p.GraphicW, p.GraphicH, p.GraphicText,
                                p.GraphicHAlign, p.GraphicVAlign);
  p.Shown = ACanvas->Brush->GetColor();
  if (p.State.Contains(gdSelected) && !p.State.Contains(gdFocused) && GetSelectionColor() == clNone)
    ACanvas->Brush->SetColor(clHighlight);
  // A zoomed-out font keeps a size of at least 1.
  ACanvas->Font->SetSize(std::max(1, ACanvas->Font->GetSize() + GetZoomLevel()));

  int indicatorWidth = 0;
  if (ACol == 0 && ARow == GetRow() && GetFixedCols() > 0 && !GetRowIndicator()->GetEmpty()) {
    const int top = p.Rect.Top + (p.Rect.Height() - GetRowIndicator()->GetHeight()) / 2;
    DrawBitmapTransp(ACanvas, GetRowIndicator(), GetFixedColor(),
                     {p.Rect.Left, top, p.Rect.Right, p.Rect.Bottom});
    indicatorWidth = GetRowIndicator()->GetWidth();
    p.Rect.Left += indicatorWidth;
  }
  p.Brush = ACanvas->Brush->GetColor();
  p.FontColor = ACanvas->Font->GetColor();
  if (p.Fixed && Look == glOrvik && !Flat) {
    DrawGradient(ACanvas, GetOrvikGradFrom(), GetOrvikGradTo(), kGradientSteps, true, p.Rect);
    ACanvas->Brush->SetColor(p.Brush);
    p.Shown = p.Brush;
  }

  paint.DrawCellText(p);
  ACanvas->Brush->SetColor(p.Brush);
  ACanvas->Font->SetColor(p.FontColor);

  InflateRect(p.Rect, 1, 1);
  paint.DrawCellBorders(p);
  p.Rect.Left -= indicatorWidth;
  paint.DrawFixedEdges(p);
  paint.DrawTreeLines(p);
  paint.DrawCellGraphic(p);

  if (OnDrawCell) {
    const int line = GetGridLineWidth();
    OnDrawCell(this, ACol, ARow,
               {p.Rect.Left + 1, p.Rect.Top + 1, p.Rect.Right - line, p.Rect.Bottom - line},
               p.State);
  }
  if (OnCustomCellDraw) OnCustomCellDraw(this, ACanvas, p.RealCol, ARow, p.State, p.Rect, false);
  paint.DrawFocusRectangle(p);
}

void TExtStringGrid::Painting::DrawFocusRectangle(CellPaint& P) {
  if (g.HideFocusRect || !g.Focused() || g.GetOptions().Contains(goRowSelect)) return;
  const TRect current = g.ShownBlock(g.GetCol(), g.GetRow());
  if (current.Left != P.Col || current.Top != P.Row) return;
  TRect r = P.Rect;
  const int grow = g.GetGridLineWidth() - 1;
  InflateRect(r, grow, grow);
  --r.Right;
  --r.Bottom;
  P.Canvas->DrawFocusRect(r);
}

// The look's edges of fixed cells (not with Flat), and the outside lines of the right fixed
// columns of a flat grid.
void TExtStringGrid::Painting::DrawFixedEdges(CellPaint& P) {
  TCanvas* canvas = P.Canvas;
  const bool ctl3D = !g.Flat;
  TRect& r = P.Rect;
  const TGridOptions options = g.GetOptions();
  const auto line = [&](TColor Color, std::initializer_list<TPoint> Points) {
    canvas->Pen->SetColor(Color);
    canvas->Pen->SetWidth(1);
    const TPoint* first = Points.begin();
    canvas->MoveTo(first->x, first->y);
    for (const TPoint* pt = first + 1; pt != Points.end(); ++pt) canvas->LineTo(pt->x, pt->y);
  };
  const auto outside = [&] {
    if (options.Contains(goFixedHorzLine)) {
      line(clBlack, {{r.Left - 1, r.Top - 1}, {r.Right + 1, r.Top - 1}});
      line(clBlack, {{r.Left - 1, r.Bottom + 1}, {r.Right + 1, r.Bottom + 1}});
    }
    if (options.Contains(goFixedVertLine)) {
      line(clBlack, {{r.Left - 1, r.Top - 1}, {r.Left - 1, r.Bottom + 1}});
      line(clBlack, {{r.Right + 1, r.Top - 1}, {r.Right + 1, r.Bottom + 1}});
    }
  };
  const TColor dark = DarkenColor(g.GetFixedColor());
  if (P.Fixed && !g.Flat) {
    switch (g.Look) {
      case glClassic: {
        TRect edge = r;
        DrawEdge(canvas, &edge, BDR_RAISEDINNER, BF_LEFT);
        DrawEdge(canvas, &edge, BDR_RAISEDINNER, BF_TOP);
        DrawEdge(canvas, &edge, EDGE_RAISED, BF_RIGHT | BF_BOTTOM);
        line(clBlack,
             {{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left - 1, r.Bottom - 1}});
        break;
      }
      case glOrvik:
        InflateRect(r, 1, 1);
        --r.Bottom;
        line(dark, {{r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}});
        line(clWhite, {{r.Right, r.Top + 1}, {r.Left + 1, r.Top + 1}, {r.Left + 1, r.Bottom - 1}});
        break;
      case glSoft:  // Ctl3D follows Flat, so it is on here
        InflateRect(r, 1, 1);
        --r.Bottom;
        if (options.Contains(goFixedHorzLine)) {
          line(dark, {{r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}});
          line(clWhite,
               {{r.Right, r.Top + 1}, {r.Left + 1, r.Top + 1}, {r.Left + 1, r.Bottom - 1}});
        }
        if (options.Contains(goFixedVertLine)) {
          line(dark, {{r.Right - 2, r.Top}, {r.Right - 2, r.Bottom - 1}});
          line(clWhite, {{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}});
        }
        break;
      case glStandard:
        break;
    }
  }
  const bool rightFixed =
      g.GetColCount() - P.RealCol + g.NumHiddenColumns() <= g.GetFixedRightCols();
  if (rightFixed && g.Look != glClassic && !ctl3D) outside();
  canvas->Pen->SetColor(clBlack);
}

void TExtStringGrid::Paint() {
  if (GetLockFlag()) return;
  TCanvas* canvas = GetCanvas();
  canvas->Pen->SetStyle(psSolid);
  TBaseGrid::Paint();
  if (EditControlShown) {
    const int width = GetGridLineWidth();
    canvas->Pen->SetColor(width < 1 ? GetColor() : GetGridLineColor());
    canvas->Pen->SetWidth(std::max(1, width));
    canvas->Brush->SetStyle(bsClear);
    canvas->Rectangle(CellRect(GetCol(), GetRow()));
    canvas->Brush->SetStyle(bsSolid);
    canvas->Pen->SetColor(clBlack);
    canvas->Pen->SetWidth(1);
  }
  Painting(*this).PaintOverlays();
}
