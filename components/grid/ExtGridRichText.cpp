// TExtStringGrid: cell text to and from rich text; a cell holds rich text as RTF.
#include "components/grid/ExtGrid.h"

void TExtStringGrid::CellToRich(int ACol, int ARow, TRichText& RichEdit) {
  RichEdit.SetRTF(GetCellEx(ACol, ARow));
}

void TExtStringGrid::RichToCell(int ACol, int ARow, const TRichText& RichEdit) {
  SetCellEx(ACol, ARow, RichEdit.GetRTF());
}
