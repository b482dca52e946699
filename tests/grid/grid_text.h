// Test support: a full grid filled from rows of texts (or made from them without fixed cells), and its columns and rows read back as
// texts joined by "|".
#pragma once

#include <algorithm>
#include <vector>

#include "components/grid/grid/ExtGrid.h"

// The rows from row 0 on: the grid takes their number and the widest row's width.
inline void SetRowTexts(TExtStringGrid& grid, const std::vector<std::vector<AnsiString>>& rows) {
  std::size_t width = 1;
  for (const auto& row : rows) width = std::max(width, row.size());
  grid.SetColCount(static_cast<int>(width));
  grid.SetRowCount(static_cast<int>(rows.size()));
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      grid.SetCells(static_cast<int>(c), static_cast<int>(r), rows[r][c]);
}

// A grid without fixed cells, with the rows given.
class PlainGrid : public TExtStringGrid {
 public:
  explicit PlainGrid(const std::vector<std::vector<AnsiString>>& rows = {{""}})
      : TExtStringGrid(nullptr) {
    SetFixedRows(0);
    SetFixedCols(0);
    SetRowTexts(*this, rows);
  }
};

inline AnsiString ColumnText(const TExtStringGrid& grid, int col, int first = 0) {
  AnsiString text;
  for (int r = first; r < grid.GetRowCount(); ++r) text += (r > first ? "|" : "") + grid.Cells(col, r);
  return text;
}

inline AnsiString RowText(const TExtStringGrid& grid, int row) {
  AnsiString text;
  for (int c = 0; c < grid.GetColCount(); ++c) text += (c ? "|" : "") + grid.Cells(c, row);
  return text;
}
