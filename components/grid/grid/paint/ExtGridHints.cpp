// TExtStringGrid: the hint of the cell under the mouse: a link's value over an HTML link, a
// comment beside its cell, the cell's own text over it (HintShowCells, HintShowLargeText), and
// what GetCellHint makes of it.
#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/input/InputState.h"
#include "components/grid/html/HTMLStrip.h"

void TExtStringGrid::CMHintShow(THintInfo& HintInfo) {
  bool canShow = true;
  ShowHintProc(HintInfo.HintStr, canShow, HintInfo);
  if (!canShow) HintInfo.HintStr.clear();
}

THTMLHintWindow* TExtStringGrid::GetHintWindow() const { return d_->input->HintWindow; }

void TExtStringGrid::ShowHintProc(AnsiString& HintStr, bool& /*CanShow*/, THintInfo& HintInfo) {
  HintInfo.HintColor = HintColor;
  const TGridCoord cell = MouseCoord(HintInfo.CursorPos.x, HintInfo.CursorPos.y);
  if (cell.X < 0 || cell.Y < 0) return;
  d_->input->HintCell = TPoint(cell.X, cell.Y);
  const int realCol = RemapCol(cell.X);
  const TRect r = CellRect(cell.X, cell.Y);
  const AnsiString text = GetCellEx(realCol, cell.Y);
  AnsiString anchor;
  if (AnchorHint &&
      HTMLAnchorAt(cell.X, cell.Y, HintInfo.CursorPos.x, HintInfo.CursorPos.y, anchor)) {
    if (OnAnchorHint) OnAnchorHint(this, cell.Y, cell.X, anchor);
    HintStr = anchor;
  }
  TPoint at(r.Left, r.Bottom + 6);
  if (IsComment(realCol, cell.Y, HintStr)) at = TPoint(r.Right, r.Top);
  const bool normal = IsNormalCell(cell.X, cell.Y);
  const bool cellText = HintShowCells && normal && InNormalArea(realCol, cell.Y);
  const bool largeText =
      HintShowLargeText && normal && GetCellTextSize(realCol, cell.Y, false).cx > r.Width();
  if (cellText || largeText) {
    at = TPoint(r.Left, r.Top);
    HintStr = HTMLHint ? text : HTMLStrip(text);
  }
  GetCellHint(realCol, cell.Y, HintStr);
  HintInfo.HintPos = ClientToScreen(at);
}
