// The cell checkers, and the grid's checking of cells with them.
#include "components/grid/grid/ExtGridCheck.h"

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/TextOperations.h"
#include "components/grid/html/HTMLHilight.h"

namespace {

// Where the next "<BR>" or "<HR>" starts, letter case ignored; npos for none.
std::size_t NextLineBreak(const AnsiString& Upper, std::size_t From) {
  const std::size_t br = Upper.find("<BR>", From);
  const std::size_t hr = Upper.find("<HR>", From);
  return std::min(br, hr);
}

bool EndsSentence(char C) { return C == '.' || C == '!' || C == '?'; }

}  // namespace

// A line break ends a word: the lines are highlighted one by one.
AnsiString TExtStringGridCheck::HiLight(const AnsiString& Text, const AnsiString& Word,
                                        const AnsiString& Tag, bool DoCase) {
  const AnsiString upper = AnsiUpperCase(Text);
  AnsiString result;
  std::size_t start = 0;
  for (std::size_t at = NextLineBreak(upper, 0); at != AnsiString::npos;
       at = NextLineBreak(upper, start)) {
    result += ::HiLight(Text.substr(start, at - start), Word, Tag, DoCase) + Text.substr(at, 4);
    start = at + 4;
  }
  return result + ::HiLight(Text.substr(start), Word, Tag, DoCase);
}

AnsiString TExtStringGridCheck::ReplaceOnce(const AnsiString& Text, const AnsiString& Old,
                                            const AnsiString& New) {
  const std::size_t at = Old.empty() ? AnsiString::npos : Text.find(Old);
  if (at == AnsiString::npos) return Text;
  AnsiString result = Text;
  return result.replace(at, Old.size(), New);
}

AnsiString TCapitalCheck::Correct(int /*ACol*/, int /*ARow*/, const AnsiString& Value) {
  AnsiString result = Value;
  for (std::size_t i = 0; i < result.size(); ++i) {
    const bool starts = i == 0 || (i >= 2 && result[i - 1] == ' ' && EndsSentence(result[i - 2]));
    if (starts && result[i] >= 'a' && result[i] <= 'z')
      result[i] = static_cast<char>(result[i] - 'a' + 'A');
  }
  return result;
}

// --- the grid's side ------------------------------------------------------------------------

// The checker's correction, then its marking of the corrected text.
AnsiString TExtStringGrid::TextOperations::CheckText(int ACol, int ARow, const AnsiString& Text,
                                                     bool Correct, bool Mark) {
  AnsiString value = Text;
  if (Correct) value = g.CellChecker->Correct(ACol, ARow, value);
  if (Mark) value = g.CellChecker->MarkError(ACol, ARow, value);
  return value;
}

bool TExtStringGrid::CheckCell(int ACol, int ARow) {
  if (!CellChecker) return true;
  if (CellChecker->GotoCell) {
    const int col = RemapColInv(ACol);
    if (col >= 0 && col < GetColCount() && col != GetCol()) SetCol(col);
    if (ARow >= 0 && ARow < GetRowCount() && ARow != GetRow()) SetRow(ARow);
  }
  const AnsiString text = GetCellEx(ACol, ARow);
  const AnsiString checked = TextOperations(*this).CheckText(
      ACol, ARow, text, CellChecker->UseCorrect, CellChecker->UseMarkError);
  if (checked == text) return true;
  SetCellEx(ACol, ARow, checked);
  return false;
}

bool TExtStringGrid::CheckCells(int ACol1, int ARow1, int ACol2, int ARow2) {
  if (!CellChecker) return true;
  CellChecker->StartCheck();
  const int col = GetCol();
  const int row = GetRow();
  bool unchanged = true;
  for (int r = ARow1; r <= ARow2; ++r)
    for (int c = ACol1; c <= ACol2; ++c) unchanged = CheckCell(c, r) && unchanged;
  CellChecker->StopCheck();
  if (CellChecker->GotoCell) {
    if (col != GetCol()) SetCol(col);
    if (row != GetRow()) SetRow(row);
  }
  return unchanged;
}

bool TExtStringGrid::CheckCol(bool DoFixed, int ACol) {
  const TGridRect range = TextOperations(*this).CellRange(DoFixed);
  return CheckCells(ACol, range.Top, ACol, range.Bottom);
}

bool TExtStringGrid::CheckRow(bool DoFixed, int ARow) {
  const TGridRect range = TextOperations(*this).CellRange(DoFixed);
  return CheckCells(range.Left, ARow, range.Right, ARow);
}

bool TExtStringGrid::CheckGrid(bool DoFixed) {
  const TGridRect range = TextOperations(*this).CellRange(DoFixed);
  return CheckCells(range.Left, range.Top, range.Right, range.Bottom);
}
