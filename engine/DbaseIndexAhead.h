// The query window's index rows made ahead of a query for every record, a slice at a time
// while the window pauses before the run: the run then writes its hits into rows that exist,
// as it does into the rows an earlier run left, instead of allocating a million rows and
// their texts as the hits come. The pauses last as long as without it. A query with criteria
// may find few hits, so nothing is made for it.
#pragma once

#include <cstdint>

class TExtColumnGrid;

class DbaseIndexAhead {
 public:
  // What the query slots and the open table ask for; the slots must hold the window's query.
  explicit DbaseIndexAhead(TExtColumnGrid& grid);
  // Makes the next slice of rows; false once every row is made.
  bool Step();
  // Right before the run, when the query still asks for every record: the rows made become
  // the grid's rows, which the run takes as those of an earlier run. Its hits overwrite them
  // and it empties the rest, instead of emptying each row again before a hit takes it.
  void Finish();

 private:
  TExtColumnGrid& grid_;
  int next_ = 0;
  int end_ = 0;  // one past the last row: the records the table holds
  int columns_ = 2;
  uint32_t keyBytes_ = 0;  // capacity for the texts of column 1 beyond a short text's
};
