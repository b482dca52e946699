#include "components/grid/core/SortKeys.h"

#include <utility>

TSortKeys::Column& TSortKeys::Grow(std::size_t Col) {
  columns_.resize(Col + 1);
  return columns_[Col];
}

void TSortKeys::Swap(int Row1, int Row2) {
  for (Column& column : columns_)
    if (column.Holds(Row1, Row2)) std::swap(column.Keys[Row1], column.Keys[Row2]);
}

void TSortKeys::SwapIn(int Col, int Row1, int Row2) {
  if (Col < 0 || static_cast<std::size_t>(Col) >= columns_.size()) return;
  Column& column = columns_[Col];
  if (column.Holds(Row1, Row2)) std::swap(column.Keys[Row1], column.Keys[Row2]);
}

void TSortKeys::Copy(int FromRow, int ToRow) {
  for (Column& column : columns_)
    if (column.Holds(FromRow, ToRow)) column.Keys[ToRow] = column.Keys[FromRow];
}
