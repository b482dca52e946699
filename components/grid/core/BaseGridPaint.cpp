// TBaseGrid: painting. The inherited grid calls DrawCell for every cell shown; the first cell
// of a merged block that is painted in a pass draws the whole block, with the grid lines the
// grid draws itself inside each block's rectangle.
#include "components/grid/core/BaseGrid.h"
#include "platform/winapi/drawtext.h"
#include "platform/winapi/gdi.h"

void TBaseGrid::Paint() {
  TStringGrid::Paint();
  ++paintPass_;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (footerShown_ && ARow == GetRowCount() - 1) {
    GetCanvas()->Brush->SetColor(GetColor());
    GetCanvas()->Pen->SetColor(GetColor());
    GetCanvas()->FillRect(ARect);
    return;
  }
  const TRect block = ShownBlock(ACol, ARow);
  if (block.Left == ACol && block.Top == ARow) return DrawBlock(ACol, ARow, AState);
  const TCellProperties* baseProps = BaseProperties(ACol, ARow);
  if (baseProps && baseProps->PaintStamp == paintPass_) return;
  DrawBlock(block.Left, block.Top, AState);
}

// The block's base cell keeps its paint stamp; it may lie in a hidden column.
TCellProperties* TBaseGrid::BaseProperties(int ACol, int ARow) const {
  const TPoint base = BaseCell(RemapCol(ACol), ARow);
  return FindCellProperties(base.x, base.y);
}

void TBaseGrid::DrawBlock(int ACol, int ARow, TGridDrawState AState) {
  if (TCellProperties* props = BaseProperties(ACol, ARow)) props->PaintStamp = paintPass_;
  if (IsFixed(ACol, ARow)) {
    AState >> gdSelected;
    AState << gdFixed;
  }
  TRect r = CellRect(ACol, ARow);
  // A scrolled block that starts under the fixed cells must not paint over them.
  const int fixedCols = GetFixedCols(), fixedRows = GetFixedRows();
  const int clipX = ACol >= fixedCols ? FixedColsWidth() : 0;
  const int clipY = ARow >= fixedRows ? FixedRowsHeight() : 0;
  const bool clip = (ACol >= fixedCols && fixedCols > 0 && r.Left < clipX) ||
                    (ARow >= fixedRows && fixedRows > 0 && r.Top < clipY);
  const int saved = SaveDC(GetCanvas());
  if (clip) IntersectClipRect(GetCanvas(), clipX, clipY, GetWidth(), GetHeight());

  const bool fixed = AState.Contains(gdFixed);
  GetCanvas()->Pen->SetWidth(1);
  GetCanvas()->SetFont(GetFont());
  GetCanvas()->Brush->SetStyle(bsSolid);
  GetCanvas()->Brush->SetColor(fixed ? GetFixedColor() : GetColor());
  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  bool wordWrap = false;
  GetVisualProperties(ACol, ARow, AState, false, false, true, GetCanvas()->Brush, GetCanvas()->Font, hAlign,
                      vAlign, wordWrap);
  GetCanvas()->Pen->SetColor(GetCanvas()->Brush->GetColor());
  GetCanvas()->FillRect(r);

  if (ACol == 0 && ARow >= fixedRows) r.Left += NodeIndent(ARow);
  DrawCellLines(r, ACol, fixed);
  const int inset = fixed ? 1 : gridLineWidth_;
  InflateRect(r, -inset, -inset);
  DrawGridCell(GetCanvas(), ACol, ARow, r, AState);
  RestoreDC(GetCanvas(), saved);
}

void TBaseGrid::DrawCellLines(const TRect& R, int ACol, bool Fixed) {
  if (!Fixed && gridLineWidth_ <= 0) return;
  const int width = Fixed ? 1 : gridLineWidth_;
  const int offset = Fixed ? 1 : (gridLineWidth_ + 1) / 2;
  GetCanvas()->Pen->SetColor(Fixed ? clGray : gridLineColor_);
  GetCanvas()->Pen->SetWidth(width);
  const TGridOptions options = GetOptions();
  const bool bottom = options.Contains(Fixed ? goFixedHorzLine : goHorzLine);
  if (bottom && !(ACol == 0 && HasNodes())) {
    GetCanvas()->MoveTo(R.Left - offset + 1, R.Bottom - offset);
    GetCanvas()->LineTo(R.Right - offset, R.Bottom - offset);
  }
  if (options.Contains(Fixed ? goFixedVertLine : goVertLine)) {
    GetCanvas()->MoveTo(R.Right - offset, R.Bottom - offset);
    GetCanvas()->LineTo(R.Right - offset, R.Top - offset);
  }
  GetCanvas()->Pen->SetWidth(1);
}

void TBaseGrid::DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                             TGridDrawState /*AState*/) {
  const AnsiString text = GetCellEx(ACol, ARow);
  DrawText(ACanvas, text.c_str(), -1, &ARect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
