// One running sort, from its outermost pass to the end of it: the keys it has made, and the
// row exchanges it has recorded but not yet made in the cells. While it defers, row p is to
// take the cells now at pending[p], and the pivot row those now at the pivot's source; the
// grid moves them all at once when it flushes. The pending list is owned by the grid and
// borrowed by each run: it keeps its capacity between sorts, so a million rows do not fault
// its pages in again.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "components/grid/core/SortKeys.h"

class TSortRun {
 public:
  // Keys: the cells' keys are made once each; Defer (with keys only): exchanges are recorded.
  // Pending: the list the run records in during its lifetime, emptied (its capacity kept).
  TSortRun(bool Keys, bool Defer, int Column, std::vector<int>& Pending)
      : Column(Column), keysOn_(Keys), defer_(Keys && Defer), pending_(Pending) {
    pending_.clear();
  }

  TSortKeys Keys;
  int Column;          // the column the innermost pass compares first
  int RowFollow = -1;  // the row the current row's contents are in

  bool KeysOn() const { return keysOn_; }
  bool Deferred() const { return defer_; }
  // Records the exchange of two of Rows rows (inline: a sort records millions).
  void Exchange(int Row1, int Row2, int Rows) {
    if (pending_.empty()) StartPending(Rows);
    std::swap(pending_.at(Row1), pending_.at(Row2));
  }
  // The pivot row is to take the cells that belong to Row.
  void HoldPivot(int Row, int Pivot);
  // Where the cells of a row are while the exchanges are not made.
  int CellsRow(int Row) const {
    if (Row == pivotRow_ && pivotFrom_ >= 0) return pivotFrom_;
    if (Row >= 0 && Row < static_cast<int>(pending_.size())) return pending_[Row];
    return Row;
  }
  // Stops deferring. The exchanges still to make (empty for none), kept until DropPending;
  // the pivot's source renumbered for the rows as they are after them.
  const std::vector<int>& StopDeferring();
  void DropPending() { pending_.clear(); }
  // The pivot's source and row ((-1, row) for none), forgotten.
  std::pair<int, int> TakePivot() { return {std::exchange(pivotFrom_, -1), pivotRow_}; }
  // RowFollow follows the exchange of two rows.
  void Follow(int Row1, int Row2) {
    if (RowFollow == Row1)
      RowFollow = Row2;
    else if (RowFollow == Row2)
      RowFollow = Row1;
  }

  // What is wrong with the recorded exchanges, empty when nothing is.
  std::string Fault() const;

 private:
  bool keysOn_;
  bool defer_;
  std::vector<int>& pending_;
  int pivotFrom_ = -1;
  int pivotRow_ = -1;

  void StartPending(int Rows);
};

// Empty when Order contains each of 0..size-1 once; else what is wrong, Name naming the
// list.
std::string PermutationFault(const std::vector<int>& Order, const char* Name);
