// The rows that hiding, the filter and closed nodes took out of the grid, each with its real
// row number and its cells. They are kept in the order of their numbers, so that a real row
// and a display row convert into each other by binary search: a filter may hide a million.
#pragma once

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "components/grid/core/GridItem.h"

class THiddenRows {
 public:
  using Rows = std::vector<std::unique_ptr<TGridItem>>;

  int Count() const { return static_cast<int>(items_.size()); }
  // The rows by rising real number; std::out_of_range outside the store.
  TGridItem* Items(int Index) const { return items_.at(static_cast<size_t>(Index)).get(); }
  void Clear() { items_.clear(); }

  TGridItem* Find(int RealRow) const;
  // How many hidden rows have a real number below RealRow.
  int CountBelow(int RealRow) const;
  // The real number of the DisplayRow-th row that is not hidden.
  int RealRow(int DisplayRow) const;
  // Takes rows whose numbers are not in the store yet; they need not be in order.
  void Add(Rows Taken);
  // Gives back the rows numbered From to To, by rising number.
  Rows Take(int From, int To);
  // Every row numbered above Row moves by Delta.
  void Shift(int Row, int Delta);
  // Shown rows inserted before, or removed from, display row DisplayRow: the hidden rows
  // after them keep their places among the shown rows.
  void ShownInserted(int DisplayRow, int Count);
  void ShownRemoved(int DisplayRow, int Count);

  // What breaks the store's rising order of distinct numbers, or a number outside
  // 0..RealRows-1; empty when nothing does. The changes above check it in the debug build.
  std::string Fault(int RealRows = INT_MAX) const;

 private:
  Rows items_;

  Rows::const_iterator LowerBound(int RealRow) const;  // the first numbered RealRow or above
  Rows::const_iterator UpperBound(int RealRow) const;  // the first numbered above RealRow
};
