// TExtStringGrid: the header texts of row 0 and column 0 from ColumnHeaders and RowHeaders.
#include "components/grid/grid/ExtGrid.h"

void TExtStringGrid::ClearColumnHeaders() {
  for (int c = 0; c < GetColCount(); ++c) SetCells(c, 0, "");
}

void TExtStringGrid::SetColumnHeaders(const TStrings& Value) {
  if (&Value != &ColumnHeaders) ColumnHeaders.Assign(Value);
  if (GetFixedRowsEx() > 0) ClearColumnHeaders();
  ShowColumnHeaders();
}

void TExtStringGrid::ClearRowHeaders() {
  for (int r = 0; r < GetRowCount(); ++r) SetCells(0, r, "");
}

void TExtStringGrid::SetRowHeaders(const TStrings& Value) {
  if (&Value != &RowHeaders) RowHeaders.Assign(Value);
  if (GetComponentState().Contains(csDesigning)) ClearRowHeaders();
  ShowRowHeaders();
}
