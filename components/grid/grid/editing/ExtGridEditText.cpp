// TExtStringGrid: the text the inplace editor edits.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/html/HTMLStrip.h"

AnsiString TExtStringGrid::GetEditText(int ACol, int ARow) {
  const AnsiString text = TBaseGrid::GetEditText(RemapCol(ACol), ARow);
  // Only HTML loses its tags: the editor writes its text back at every change, and a plain
  // text with angle brackets would lose them for good.
  if (EditWithTags || TextType(text, EnableHTML) != ttHTML) return text;
  return HTMLStrip(text);
}

void TExtStringGrid::SetEditText(int ACol, int ARow, const AnsiString& Value) {
  TBaseGrid::SetEditText(RemapCol(ACol), ARow, Value);
}

