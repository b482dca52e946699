// TExtStringGrid: how two rows compare when the grid sorts them. While a sort runs, a
// column's sort format is asked for once, and its cells become keys once, which then move
// with the rows; outside a sort every comparison asks for the format and reads the cells.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/core/SortRun.h"
#include "components/grid/core/SortState.h"

struct TExtStringGrid::SortColumns {
  // What the running sort knows of a column of the grid (nullptr while none runs).
  static TSortKeys::Column* Of(TExtStringGrid& Grid, int ACol) {
    TSortRun* run = Grid.sort_->Run;
    if (!run || ACol < 0 || ACol >= Grid.GetColCount()) return nullptr;
    TSortKeys::Column& column = run->Keys.At(ACol);
    return column.Known ? &column : Know(Grid, ACol);
  }
  static TSortKeys::Column* Know(TExtStringGrid& Grid, int ACol);
  static int CompareKeys(const TExtStringGrid& Grid, const TSortKeys::Column& Column, int ARow1,
                         int ARow2) {
    const TSortKey& key1 = Column.Keys[ARow1];
    const TSortKey& key2 = Column.Keys[ARow2];
    return Grid.PlaceBlanks(CompareSortKeys(Column.Format.Style, key1, key2, Column.Texts),
                            key1.Empty, key2.Empty);
  }
};

int TExtStringGrid::Compare(int ACol, int ARow1, int ARow2) {
  const TSortKeys::Column* column = SortColumns::Of(*this, ACol);
  if (column && column->Holds(ARow1, ARow2))
    return SortColumns::CompareKeys(*this, *column, ARow1, ARow2);
  return CompareCells(ACol, ARow1, ARow2, column ? &column->Format : nullptr);
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
TSortKeys::Column* TExtStringGrid::SortColumns::Know(TExtStringGrid& Grid, int ACol) {
  TSortFormat format = Grid.ReadSortFormat(ACol);
  // A format handler may have compared other columns: the records may have moved.
  TSortRun& run = *Grid.sort_->Run;
  TSortKeys::Column& column = run.Keys.At(ACol);
  if (column.Known) return &column;
  column.Format = std::move(format);
  column.Known = true;
  if (run.KeysOn() && IsTextSortStyle(column.Format.Style))
    TSortKeys::MakeKeys(
        column, Grid.GetRowCount(),
        [&Grid, &run, ACol](int ARow, AnsiString& Made) -> const AnsiString& {
          return Grid.SortText(ACol, run.CellsRow(ARow), Made);
        },
        [&Grid, &run, ACol](int ARow) { return &Grid.Cells(ACol, run.CellsRow(ARow)); });
  return &column;
}

// Without keys: the format as the running sort knows it (or asked for now), the cells read.
int TExtStringGrid::CompareCells(int ACol, int ARow1, int ARow2, const TSortFormat* Format) {
  TSortFormat read;
  const TSortFormat& format = Format ? *Format : (read = ReadSortFormat(ACol));
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
