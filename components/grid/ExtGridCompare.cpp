// TExtStringGrid: how two rows compare when the grid sorts them. A column's sort format is
// asked for once per sort while one runs; the cells' texts are read in place unless a
// display-text handler or a merged block makes them differ from what is stored.
#include "components/grid/ExtGrid.h"

const TSortFormat& TExtStringGrid::ColumnSortFormat(int ACol) {
  const bool cached = sortDepth_ > 0 && ACol >= 0;
  if (cached && static_cast<std::size_t>(ACol) < sortFormats_.size() && sortFormats_[ACol])
    return *sortFormats_[ACol];
  TSortFormat format;
  format.Style = SortSettings.AutoFormat ? ssAutomatic : ssAlphabetic;
  GetColFormat(ACol, format.Style, format.Prefix, format.Suffix);
  if (!cached) return lastFormat_ = std::move(format);
  if (static_cast<std::size_t>(ACol) >= sortFormats_.size()) sortFormats_.resize(ACol + 1);
  return sortFormats_[ACol].emplace(std::move(format));
}

const AnsiString& TExtStringGrid::SortText(int ACol, int ARow, AnsiString& Made) {
  if (!OnGetDisplText && !HasCellProperties(ACol, ARow)) return Cells(ACol, ARow);
  Made = GetCellEx(ACol, ARow);
  return Made;
}

int TExtStringGrid::DirectionFactor() const {
  return SortSettings.GetDirection() == sdAscending ? 1 : -1;
}

// An empty cell goes last (blLast) or first (blFirst) in either direction.
int TExtStringGrid::PlaceBlanks(int Result, bool Empty1, bool Empty2) const {
  if (!SortSettings.IgnoreBlanks || Empty1 == Empty2) return Result;
  const int emptyFirst = Empty1 ? 1 : -1;
  return emptyFirst * (SortSettings.BlankPos == blLast ? 1 : -1) * DirectionFactor();
}

int TExtStringGrid::Compare(int ACol, int ARow1, int ARow2) {
  const TSortFormat& format = ColumnSortFormat(ACol);
  AnsiString made1, made2;
  const AnsiString& text1 = SortText(ACol, ARow1, made1);
  const AnsiString& text2 = SortText(ACol, ARow2, made2);
  int result = 0;
  const TSortStyle style = format.Style == ssAutomatic ? AutomaticSortStyle(text1) : format.Style;
  switch (style) {
    case ssCustom:
      if (OnCustomCompare) OnCustomCompare(this, text1, text2, result);
      break;
    case ssRaw:
      if (OnRawCompare) OnRawCompare(this, ACol, ARow1, ARow2, result);
      break;
    case ssImages:  // the cells' image indexes arrive with the cell graphics
      break;
    default:
      result = CompareSortTexts(style, text1, text2, format.Prefix, format.Suffix);
  }
  // A handler may answer any number; the sorts look for -1 and 1.
  result = (result > 0) - (result < 0);
  return PlaceBlanks(result, text1.empty(), text2.empty());
}

int TExtStringGrid::CompareLine(int ACol, int ARow1, int ARow2) {
  for (int col = ACol;; ++col) {
    const int result = Compare(col, ARow1, ARow2);
    if (result != 0 || !SortSettings.Full || col > GetColCount() - 2) return result;
  }
}

int TExtStringGrid::CompareLineIndexed(int Index, int ARow1, int ARow2) {
  for (int k = Index; k < SortIndexes.Count(); ++k) {
    const uint32_t entry = SortIndexes.Items(k);
    const int result = Compare(TSortIndexList::Column(entry), ARow1, ARow2);
    if (result == 0 && SortSettings.Full && k + 1 < SortIndexes.Count()) continue;
    return TSortIndexList::Descending(entry) ? -result : result;
  }
  return 0;
}
