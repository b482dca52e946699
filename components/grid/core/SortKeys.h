// What a running sort knows of each column it compares: the column's sort format, asked for
// once, and the keys of its cells, made once per cell when the column is first compared and
// then moved with the rows, so that the sort reads no cell and parses no number twice. Rows
// are numbered as in the grid, the spare rows below it included.
#pragma once

#include <algorithm>
#include <vector>

#include "components/grid/core/SortCompare.h"

class TSortKeys {
 public:
  struct Column {
    bool Known = false;  // Format contains the column's format
    TSortFormat Format;
    std::vector<TSortKey> Keys;  // empty while not made
    TSortTexts Texts;
    bool Holds(int Row1, int Row2) const {
      const auto size = static_cast<int>(Keys.size());
      return Row1 >= 0 && Row2 >= 0 && Row1 < size && Row2 < size;
    }
  };

  void Clear() { columns_.clear(); }
  // The column's record, made empty when it has none.
  Column& At(int Col) {
    const auto at = static_cast<std::size_t>(Col);
    return at < columns_.size() ? columns_[at] : Grow(at);
  }
  // Makes the column's keys for the rows 0..Rows-1 from Format; Text(row, made) gives the
  // text of a row's cell, built in `made` when it is not stored as such. Where(row) tells
  // where the text lies, so that it is fetched from memory a few rows ahead: after a sort
  // the rows' texts lie scattered.
  template <typename TextOf, typename WhereOf>
  static void MakeKeys(Column& Column, int Rows, TextOf Text, WhereOf Where) {
    constexpr int kAhead = 8;
    Column.Keys.clear();
    Column.Texts.clear();
    Column.Keys.reserve(static_cast<std::size_t>(std::max(Rows, 0)));
    AnsiString made;
    for (int r = 0; r < Rows; ++r) {
      if (r + kAhead < Rows) __builtin_prefetch(Where(r + kAhead));
      Column.Keys.push_back(MakeSortKey(Column.Format, Text(r, made), Column.Texts));
    }
  }

  // Two rows exchange their keys in every column, or in one column only.
  void Swap(int Row1, int Row2);
  void SwapIn(int Col, int Row1, int Row2);
  // A row takes a copy of another's keys (the sort's pivot).
  void Copy(int FromRow, int ToRow);

 private:
  std::vector<Column> columns_;

  Column& Grow(std::size_t Col);
};
