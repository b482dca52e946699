// TExtStringGrid: how two rows compare when the grid sorts them. While a sort runs, a
// column's sort format is asked for once, and its cells become keys once, which then move
// with the rows; outside a sort every comparison asks for the format and reads the cells.
#include "components/grid/grid/ExtGrid.h"

TSortFormat TExtStringGrid::ReadSortFormat(int ACol) {
  TSortFormat format;
  format.Style = SortSettings.AutoFormat ? ssAutomatic : ssAlphabetic;
  GetColFormat(ACol, format.Style, format.Prefix, format.Suffix);
  return format;
}

// The display text as the sort reads it, in place unless a handler or a merged block makes
// it differ from the stored text.
const AnsiString& TExtStringGrid::SortText(int ACol, int ARow, AnsiString& Made) {
  if (!OnGetDisplText && !HasCellProperties(ACol, ARow)) return Cells(ACol, ARow);
  Made = GetCellEx(ACol, ARow);
  return Made;
}

// The column's format, and its keys when it may have them.
TSortKeys::Column* TExtStringGrid::KnowSortColumn(int ACol) {
  TSortFormat format = ReadSortFormat(ACol);
  // A format handler may have compared other columns: the records may have moved.
  TSortKeys::Column& column = sortKeys_.At(ACol);
  if (column.Known) return &column;
  column.Format = std::move(format);
  column.Known = true;
  if (sortKeysOn_ && IsTextSortStyle(column.Format.Style))
    TSortKeys::MakeKeys(
        column, GetRowCount(),
        [this, ACol](int ARow, AnsiString& Made) -> const AnsiString& {
          return SortText(ACol, SortedCellsRow(ARow), Made);
        },
        [this, ACol](int ARow) { return &Cells(ACol, SortedCellsRow(ARow)); });
  return &column;
}

// Where the cells of a row stand while the sort has not moved them yet.
int TExtStringGrid::SortedCellsRow(int ARow) const {
  if (ARow == sortPivotRow_ && sortPivotFrom_ >= 0) return sortPivotFrom_;
  if (ARow >= 0 && ARow < static_cast<int>(sortPending_.size())) return sortPending_[ARow];
  return ARow;
}

// Without keys: the format as the running sort knows it (or asked for now), the cells read.
int TExtStringGrid::CompareCells(int ACol, int ARow1, int ARow2,
                                 const TSortKeys::Column* Column) {
  TSortFormat read;
  const TSortFormat& format = Column ? Column->Format : (read = ReadSortFormat(ACol));
  FlushSortedRows();  // the cells must stand where the sort has put them
  AnsiString made1, made2;
  const AnsiString& text1 = SortText(ACol, ARow1, made1);
  const AnsiString& text2 = SortText(ACol, ARow2, made2);
  int result = 0;
  if (format.Style == ssCustom) {
    if (OnCustomCompare) OnCustomCompare(this, text1, text2, result);
  } else if (format.Style == ssRaw) {
    if (OnRawCompare) OnRawCompare(this, ACol, ARow1, ARow2, result);
  } else if (format.Style == ssImages) {
    const int index1 = GetCellImageIdx(ACol, ARow1), index2 = GetCellImageIdx(ACol, ARow2);
    result = (index1 > index2) - (index1 < index2);
  } else {
    result = CompareSortTexts(format, text1, text2);
  }
  // A handler may answer any number; the sorts look for -1 and 1.
  result = (result > 0) - (result < 0);
  return PlaceBlanks(result, text1.empty(), text2.empty());
}
