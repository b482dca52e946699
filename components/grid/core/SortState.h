// What the grid keeps of sorting between its sorts: the running sort, if any (its passes own
// it), the list its pending exchanges go into, the cross reference of rows to their places
// before sorting, and the last sort's time.
#pragma once

#include <string>
#include <utility>
#include <vector>

class TSortRun;

class TSortState {
 public:
  // The running sort; nullptr while none runs.
  TSortRun* Run = nullptr;
  // The milliseconds the last sort by a header click took.
  int LastSortTime = 0;
  // Lent to each run for its pending exchanges.
  std::vector<int> PendingRows;

  // The cross reference starts over for Rows rows, each at its own place.
  void InitXRef(int Rows);
  // Two rows of the cross reference exchange places (rows it does not cover stay).
  void SwapXRef(int Row1, int Row2) {
    if (XRefCovers(Row1) && XRefCovers(Row2)) std::swap(xRef_[Row1], xRef_[Row2]);
  }
  bool XRefCovers(int Row) const { return Row >= 0 && Row < static_cast<int>(xRef_.size()); }
  // The place before sorting of the row that is at Row now.
  int PlaceBefore(int Row) const { return XRefCovers(Row) ? xRef_[Row] : Row; }
  // Where the row that was at Place before sorting is now (the row count past the
  // list; Place itself without a cross reference).
  int PlaceNow(int Place) const;

  // What is wrong with the cross reference, empty when nothing is.
  std::string Fault() const;

 private:
  std::vector<int> xRef_;
};
