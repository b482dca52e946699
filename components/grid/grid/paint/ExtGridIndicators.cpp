// TExtStringGrid: the marks drawn over cells: the sort mark of a header cell, the dotted line
// of a column being sized, the wheel-panning origin, and the soft looks' window border. The
// canvas paints only while the grid paints, so the sizing line and the panning mark are
// remembered and drawn at the end of each painting; taking them away repaints what they hid.
#include <algorithm>

#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/input/Mouse.h"
#include "components/grid/grid/paint/PaintState.h"
#include "components/grid/grid/paint/Painting.h"
#include "platform/graphics/bitmap.h"

namespace {
constexpr int kIntelliMarkSize = 32;
}  // namespace

void TExtStringGrid::DrawSortIndicator(TCanvas* Canvas, int ACol, int X, int Y) {
  TFont savedFont;
  savedFont.Assign(*Canvas->Font);
  Canvas->Pen->SetColor(clBlack);
  Canvas->Pen->SetWidth(1);
  if (SortSettings.GetIndexShow()) {
    const int index = SortIndexes.FindIndex(ACol);
    if (index < 0) return;
    const bool ascending = !TSortIndexList::Descending(SortIndexes.Items(index));
    Canvas->Brush->SetColor(clYellow);
    Canvas->Brush->SetStyle(bsSolid);
    const int mode = Canvas->SetBkMode(TRANSPARENT);
    Canvas->Font->SetColor(clBlack);
    Canvas->Font->SetSize(6);
    if (ascending)
      Canvas->Polygon({{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
    else
      Canvas->Polygon({{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
    Canvas->TextOut(X - 2, ascending ? Y - 2 : Y - 4, IntToStr(index + 1));
    Canvas->SetBkMode(mode);
    Canvas->Font->Assign(savedFont);
    return;
  }
  const bool ascending = SortSettings.GetDirection() == sdAscending;
  TBitmap* up = SortSettings.GetUpGlyph();
  TBitmap* down = SortSettings.GetDownGlyph();
  if (!up->GetEmpty() && !down->GetEmpty()) {
    TBitmap glyph;
    glyph.Assign(ascending ? up : down);
    glyph.SetTransparentMode(tmAuto);
    glyph.SetTransparent(true);
    Canvas->Draw(X - 4, Y - 4, &glyph);
    Canvas->SetBkColor(GetFixedColor());
    return;
  }
  const auto stroke = [&](TColor Color, std::initializer_list<TPoint> Points) {
    Canvas->Pen->SetColor(Color);
    for (const TPoint& pt : Points) Canvas->LineTo(pt.x, pt.y);
  };
  if (ascending) {
    Canvas->MoveTo(X - 4, Y + 4);
    stroke(clWhite, {{X + 4, Y + 4}, {X, Y - 4}});
    stroke(clGray, {{X - 4, Y + 4}});
  } else {
    Canvas->MoveTo(X + 4, Y - 4);
    stroke(clWhite, {{X, Y + 4}});
    stroke(clGray, {{X - 4, Y - 4}, {X + 4, Y - 4}});
  }
  Canvas->Pen->SetColor(clBlack);
}

// Each call at X shows a line there or takes the one shown away, as drawing it twice in XOR
// would.
void TExtStringGrid::DrawSizingLine(int X) {
  if (const auto shown = std::find(d_->paint->SizingLines.begin(), d_->paint->SizingLines.end(), X);
      shown != d_->paint->SizingLines.end())
    d_->paint->SizingLines.erase(shown);
  else
    d_->paint->SizingLines.push_back(X);
  Invalidate();
}

void TExtStringGrid::DrawIntelliFocusPoint() {
  d_->paint->IntelliShown = true;
  Invalidate();
}

void TExtStringGrid::EraseIntelliFocusPoint() {
  d_->paint->IntelliShown = false;
  Invalidate();
}

void TExtStringGrid::Painting::PaintOverlays() {
  Mouse(g).PaintFixedButton();
  TCanvas* canvas = g.GetCanvas();
  if (!g.d_->paint->SizingLines.empty()) {
    TPen saved;
    saved.Assign(*canvas->Pen);
    canvas->Pen->SetColor(clBlack);
    canvas->Pen->SetStyle(psDot);
    canvas->Pen->SetWidth(1);
    const int bottom =
        std::min(g.GetHeight(), g.GetCellRect(0, std::max(0, g.GetRowCount() - 1)).Bottom);
    for (int x : g.d_->paint->SizingLines) {
      canvas->MoveTo(x, 0);
      canvas->LineTo(x, bottom);
    }
    canvas->Pen->Assign(saved);
  }
  if (g.d_->paint->IntelliShown && g.IntelliPan != ipNone) {
    static constexpr const char* kMarks[] = {"INTLI1", "INTLI2", "INTLI3"};
    const TPoint at = g.IntelliPanOrigin;
    DrawBitmapResourceTransp(canvas, g.GetColor(),
                             {at.x, at.y, at.x + kIntelliMarkSize, at.y + kIntelliMarkSize},
                             kMarks[g.IntelliPan]);
  }
}

void TExtStringGrid::WMNCPaint(TCanvas& WindowCanvas) {
  TBaseGrid::WMNCPaint(WindowCanvas);
  if (GetLockFlag()) return;
  NCPaintProc(WindowCanvas);
}

// The soft looks frame the window in grey, with the parent's colour round it.
void TExtStringGrid::NCPaintProc(TCanvas& WindowCanvas) {
  if ((Look != glSoft && Look != glOrvik) || GetBorderStyle() == bsNone || Flat) return;
  const int w = GetWidth(), h = GetHeight();
  WindowCanvas.Brush->SetStyle(bsSolid);
  WindowCanvas.Brush->SetColor(clGray);
  WindowCanvas.FrameRect({1, 1, w - 1, h - 1});
  if (TWinControl* parent = GetParent()) {
    WindowCanvas.Brush->SetColor(parent->GetColor());
    WindowCanvas.FrameRect({0, 0, w, h});
  }
}
