// TExtStringGrid: cell text to and from rich text; a cell holds rich text as RTF. A rich-text
// cell is painted from its runs.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/richtext/RichTextEdit.h"
#include "components/grid/richtext/RichTextPaint.h"
#include "platform/winapi/gdi.h"

void TExtStringGrid::CellToRich(int ACol, int ARow, TRichText& RichEdit) {
  RichEdit.SetRTF(GetCellEx(ACol, ARow));
}

void TExtStringGrid::RichToCell(int ACol, int ARow, const TRichText& RichEdit) {
  SetCellEx(ACol, ARow, RichEdit.GetRTF());
}

void TExtStringGrid::CellToRich(int ACol, int ARow, TRichEdit& RichEdit) {
  TRichText rich;
  CellToRich(ACol, ARow, rich);
  RichTextToEdit(rich, RichEdit);
}

void TExtStringGrid::RichToCell(int ACol, int ARow, const TRichEdit& RichEdit) {
  RichToCell(ACol, ARow, RichTextOfEdit(RichEdit));
}

// Selected cells show their text in the selection text colour on the screen, unless the
// text keeps its own colours (SelectionRTFKeep). The margins are device pixels at 96 dpi.
// ACol is a stored column; the selection is in shown ones.
void TExtStringGrid::RTFPaint(int ACol, int ARow, TCanvas* Canvas, TRect ARect) {
  TRichText rich;
  CellToRich(ACol, ARow, rich);
  const int shown = RemapColInv(ACol);
  const bool focused = shown == GetCol() && ARow == GetRow() && Focused() &&
                       !GetOptions().Contains(goDrawFocusSelected);
  const bool disjunct = MouseActions.DisjunctRowSelect;
  const bool selected =
      (IsSelected(shown, ARow) && !focused && !disjunct) || (disjunct && GetRowSelect(ARow));
  const bool screen = GetMapMode(Canvas) == MM_TEXT;
  const TColor textColor =
      selected && !SelectionRTFKeep && screen ? GetSelectionTextColor() : clNone;

  POINT corners[2] = {{ARect.Left, ARect.Top}, {ARect.Right, ARect.Bottom}};
  LPtoDP(Canvas, corners, 2);
  const int dx = GetXYOffset().x * GetDeviceCaps(Canvas, LOGPIXELSX) / 96;
  const int dy = GetXYOffset().y * GetDeviceCaps(Canvas, LOGPIXELSY) / 96;
  const TRect target(corners[0].x + dx, corners[0].y + dy, corners[1].x - dx, corners[1].y - dy);
  const int mode = SetMapMode(Canvas, MM_TEXT);
  DrawRichText(*Canvas, rich, target, textColor);
  SetMapMode(Canvas, mode);
}
