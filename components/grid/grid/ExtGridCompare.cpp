// TExtStringGrid: how two rows compare when the grid sorts them. While a sort runs, a
// column's sort format is asked for once, and its cells become keys once, which then move
// with the rows; outside a sort every comparison asks for the format and reads the cells.
#include "components/grid/core/SortState.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/SortColumns.h"
#include "components/grid/grid/Sorting.h"

int TExtStringGrid::Compare(int ACol, int ARow1, int ARow2) {
  return Sorting::Columns::Compare(*this, d_->sort->Run, ACol, ARow1, ARow2);
}

int TExtStringGrid::CompareLine(int ACol, int ARow1, int ARow2) {
  return Sorting::Columns::Line(*this, d_->sort->Run, ACol, ARow1, ARow2);
}

int TExtStringGrid::CompareLineIndexed(int Index, int ARow1, int ARow2) {
  return Sorting::Columns::LineIndexed(*this, d_->sort->Run, Index, ARow1, ARow2);
}

TSortFormat TExtStringGrid::Sorting::ReadSortFormat(int ACol) {
  TSortFormat format;
  format.Style = g.SortSettings.AutoFormat ? ssAutomatic : ssAlphabetic;
  g.GetColFormat(ACol, format.Style, format.Prefix, format.Suffix);
  return format;
}

// The display text as the sort reads it, in place unless a handler or a merged block makes
// it differ from the stored text.
const AnsiString& TExtStringGrid::Sorting::SortText(int ACol, int ARow, AnsiString& Made) {
  if (!g.OnGetDisplText && !g.HasCellProperties(ACol, ARow)) return g.Cells(ACol, ARow);
  Made = g.GetCellEx(ACol, ARow);
  return Made;
}

// The column's format, and its keys when it may have them.
TSortKeys::Column* TExtStringGrid::Sorting::Columns::Know(TExtStringGrid& Grid, int ACol) {
  TSortFormat format = Sorting(Grid).ReadSortFormat(ACol);
  // A format handler may have compared other columns: the records may have moved.
  TSortRun& run = *Grid.d_->sort->Run;
  TSortKeys::Column& column = run.Keys.At(ACol);
  if (column.Known) return &column;
  column.Format = std::move(format);
  column.Known = true;
  if (run.KeysOn() && IsTextSortStyle(column.Format.Style))
    TSortKeys::MakeKeys(
        column, Grid.GetRowCount(),
        [&Grid, &run, ACol](int ARow, AnsiString& Made) -> const AnsiString& {
          return Sorting(Grid).SortText(ACol, run.CellsRow(ARow), Made);
        },
        [&Grid, &run, ACol](int ARow) { return &Grid.Cells(ACol, run.CellsRow(ARow)); });
  return &column;
}

// Without keys: the format as the running sort knows it (or asked for now), the cells read.
int TExtStringGrid::Sorting::CompareCells(int ACol, int ARow1, int ARow2,
                                          const TSortFormat* Format) {
  TSortFormat read;
  const TSortFormat& format = Format ? *Format : (read = ReadSortFormat(ACol));
  FlushSortedRows();  // the cells must stand where the sort has put them
  AnsiString made1, made2;
  const AnsiString& text1 = SortText(ACol, ARow1, made1);
  const AnsiString& text2 = SortText(ACol, ARow2, made2);
  int result = 0;
  if (format.Style == ssCustom) {
    if (g.OnCustomCompare) g.OnCustomCompare(&g, text1, text2, result);
  } else if (format.Style == ssRaw) {
    if (g.OnRawCompare) g.OnRawCompare(&g, ACol, ARow1, ARow2, result);
  } else if (format.Style == ssImages) {
    const int index1 = g.GetCellImageIdx(ACol, ARow1), index2 = g.GetCellImageIdx(ACol, ARow2);
    result = (index1 > index2) - (index1 < index2);
  } else {
    result = CompareSortTexts(format, text1, text2);
  }
  // A handler may answer any number; the sorts look for -1 and 1.
  result = (result > 0) - (result < 0);
  return PlaceBlanks(result, text1.empty(), text2.empty());
}
