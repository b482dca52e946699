// The floating footer's settings and its panel's painting.
#include "components/grid/grid/paint/FloatingFooter.h"
#include "components/grid/grid/ExtGridPrivate.h"

#include <algorithm>

#include "components/grid/grid/paint/FooterTemplate.h"
#include "components/grid/grid/paint/PaintState.h"
#include "components/grid/grid/paint/Painting.h"
#include "components/grid/html/HTMLDraw.h"
#include "platform/winapi/drawtext.h"

// --- TFloatingFooter -----------------------------------------------------------------------

void TFloatingFooter::SetVisible(bool Value) {
  visible_ = Value;
  TFooterPanel* panel = grid_->GetFooterPanel();
  panel->SetHeight(Value ? height_ - 1 : 0);
  panel->SetVisible(Value);
  grid_->SetFixedFooters(panel->GetVisible() ? 1 : 0);
  FooterShownChanged();
  grid_->Invalidate();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value) {
  style_ = Value;
  FooterShownChanged();
  grid_->Invalidate();
  Invalidate();
}

void TFloatingFooter::FooterShownChanged() {
  grid_->SetFooterShown(style_ == fsFixedLastRow && visible_);
}

void TFloatingFooter::SetHeight(int Value) {
  height_ = Value;
  if (visible_) grid_->GetFooterPanel()->SetHeight(std::max(0, Value - 1));
}

void TFloatingFooter::SetColor(TColor Value) {
  color_ = Value;
  Invalidate();
}

void TFloatingFooter::SetColumn(int Value) {
  column_ = Value;
  Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const AnsiString& Value) {
  template_ = Value;
  Invalidate();
}

TColumnCalcType TFloatingFooter::GetColumnCalc(int ACol) const {
  const TCellProperties* props = grid_->FindCellProperties(ACol, grid_->GetRowCount() - 1);
  return props ? static_cast<TColumnCalcType>(props->FooterCalc) : acNONE;
}

void TFloatingFooter::SetColumnCalc(int ACol, TColumnCalcType Calc) {
  const int row = grid_->GetRowCount() - 1;
  grid_->GetCellProperties(ACol, row)->FooterCalc = static_cast<uint8_t>(Calc);
  grid_->RepaintCell(ACol, row);
}

void TFloatingFooter::Invalidate() { grid_->GetFooterPanel()->Invalidate(); }

// --- TFooterPanel --------------------------------------------------------------------------

TFooterPanel::TFooterPanel(TComponent* AOwner, TExtStringGrid* Grid)
    : TPanel(AOwner), grid_(Grid) {
  SetBevelOuter(bvNone);
  SetAlign(alBottom);
  SetHeight(0);
  SetVisible(false);
}

void TFooterPanel::Paint() {
  switch (grid_->FloatingFooter.GetFooterStyle()) {
    case fsFixedLastRow: PaintLastRow(); break;
    case fsColumnPreview: PaintColPreview(); break;
    case fsCustomPreview: PaintCustomPreview(); break;
  }
}

int TFooterPanel::PaintedWidth() const {
  const int last = grid_->GetColCount() - 1;
  const int row = grid_->GetRowCount() - 1;
  return last < 0 ? 0 : std::max(0, grid_->GetCellRect(last, row).Right);
}

void TFooterPanel::PaintLastRow() {
  TCanvas* canvas = GetCanvas();
  const int width = PaintedWidth(), height = GetClientHeight();
  const int fixedWidth = std::min(width, grid_->FixedColsWidth());
  canvas->Brush->SetColor(grid_->GetFixedColor());
  canvas->FillRect({0, 0, fixedWidth, height});
  canvas->Brush->SetColor(grid_->GetColor());
  canvas->FillRect({fixedWidth, 0, GetClientWidth(), height});
  const int row = grid_->GetRowCount() - 1;
  const bool edges = grid_->Look == glSoft && !grid_->Flat;
  // Columns stand left to right from each start, so the walk ends at the panel's right edge.
  auto paint = [&](int from, int to) {
    for (int col = from; col < to; ++col) {
      const TRect cell = grid_->GetCellRect(col, row);
      if (cell.Left >= GetClientWidth()) return;
      if (cell.Right <= 0) continue;
      TRect r{cell.Left, 0, cell.Right, height};
      grid_->DrawGridCell(canvas, col, row, r, TGridDrawState{gdFixed});
      if (edges) DrawCellEdges(r);
    }
  };
  paint(0, grid_->GetFixedCols());
  paint(std::max(grid_->GetLeftCol(), grid_->GetFixedCols()), grid_->GetColCount());
}

// White left and top edges, grey right and bottom ones, as the fixed lines are drawn.
void TFooterPanel::DrawCellEdges(const TRect& R) {
  TCanvas* canvas = GetCanvas();
  const TGridOptions options = grid_->GetOptions();
  canvas->Pen->SetWidth(1);
  if (options.Contains(goFixedHorzLine)) {
    canvas->Pen->SetColor(clWhite);
    canvas->MoveTo(R.Left, R.Top);
    canvas->LineTo(R.Right, R.Top);
    canvas->Pen->SetColor(clGray);
    canvas->MoveTo(R.Left, R.Bottom - 1);
    canvas->LineTo(R.Right, R.Bottom - 1);
  }
  if (options.Contains(goFixedVertLine)) {
    canvas->Pen->SetColor(clWhite);
    canvas->MoveTo(R.Left, R.Top);
    canvas->LineTo(R.Left, R.Bottom);
    canvas->Pen->SetColor(clGray);
    canvas->MoveTo(R.Right - 1, R.Top);
    canvas->LineTo(R.Right - 1, R.Bottom);
  }
}

void TFooterPanel::DrawPreviewFrame(int Width) {
  TCanvas* canvas = GetCanvas();
  const int height = GetClientHeight();
  canvas->Brush->SetColor(grid_->GetColor());
  canvas->FillRect({Width, 0, GetClientWidth(), height});
  canvas->Brush->SetColor(grid_->FloatingFooter.GetColor());
  canvas->FillRect({0, 0, Width, height});
  canvas->Pen->SetWidth(1);
  canvas->Pen->SetColor(clWhite);
  canvas->MoveTo(0, height - 1);
  canvas->LineTo(0, 0);
  canvas->LineTo(Width - 1, 0);
  canvas->Pen->SetColor(clGray);
  canvas->LineTo(Width - 1, height - 1);
  canvas->LineTo(0, height - 1);
}

void TFooterPanel::PaintColPreview() {
  const int width = PaintedWidth();
  DrawPreviewFrame(width);
  // Set for the call only: a repaint of the grid would come back here.
  const TColor selectionText = grid_->d_->paint->SelectionTextColor;
  grid_->d_->paint->SelectionTextColor = 0;
  const TRect r{1, 1, width - 1, GetClientHeight() - 1};
  grid_->DrawGridCell(GetCanvas(), grid_->FloatingFooter.GetColumn(), grid_->GetRow(), r,
                      TGridDrawState{});
  grid_->d_->paint->SelectionTextColor = selectionText;
}

void TFooterPanel::PaintCustomPreview() {
  const int width = PaintedWidth();
  DrawPreviewFrame(width);
  TRect r{2, 1, width - 1, GetClientHeight() - 1};
  const AnsiString& source = grid_->FloatingFooter.GetCustomTemplate();
  GetCanvas()->Brush->SetStyle(bsClear);
  if (grid_->GetComponentState().Contains(csDesigning)) {
    DrawText(GetCanvas(), source.c_str(), -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    return;
  }
  THTMLDrawResult result;
  HTMLDrawEx(GetCanvas(), HTMLColReplace(source), r,
             TExtStringGrid::Painting(*grid_).HTMLParams(grid_->URLColor), result);
}

AnsiString TFooterPanel::HTMLColReplace(const AnsiString& Template) const {
  const int row = grid_->GetRow();
  return ::HTMLColReplace(Template, [&](int col) {
    return col < grid_->GetColCount() ? grid_->GetCellEx(col, row) : AnsiString();
  });
}
