// A grid as wide and high as a worksheet's full used range (16384 columns, 1,048,576 rows)
// with a few cells written and styled, as a loaded workbook reaching its last cell leaves it.
#pragma once

#include <memory>

#include "components/grid/grid/ExtGrid.h"

constexpr int kSheetCols = 16384;
constexpr int kSheetRows = 1048576;

inline std::unique_ptr<TExtStringGrid> SheetSizedGrid() {
  auto grid = std::make_unique<TExtStringGrid>(nullptr);
  grid->SetColCountEx(kSheetCols);
  grid->SetRowCountEx(kSheetRows);
  for (const TPoint at :
       {TPoint(1, 1), TPoint(2, 500), TPoint(700, 70000), TPoint(kSheetCols - 1, kSheetRows - 1)}) {
    grid->SetCells(at.x, at.y, "part");
    grid->GetCellProperties(at.x, at.y)->SetBrushColor(clYellow);
  }
  grid->MergeCells(3, 3, 4, 2);
  return grid;
}
