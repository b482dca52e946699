// A query run that follows a wait gets ready during it, on threads of their own: the table's
// records come into memory, and room for the index grid's rows is made for as many hits as
// the table has records. Memory used for the first time costs about as much as the run
// itself; made during the wait, it no longer holds the run up.
#pragma once

#include <future>
#include <memory>

#include "components/grid/columns/ExtCGrid.h"
#include "platform/grids/grid_cells.h"

class DbaseRunAhead {
 public:
  // While it stands, a run into `index` takes the room made for it. Index may be null. The
  // last one made stands, until it goes.
  explicit DbaseRunAhead(TExtColumnGrid* index);
  // Waits for the room; room that no run took goes with it.
  ~DbaseRunAhead();
  DbaseRunAhead(const DbaseRunAhead&) = delete;
  DbaseRunAhead& operator=(const DbaseRunAhead&) = delete;

  // The rows of `index` given room ahead of a run, [first, end); none when no run ahead
  // stands for the grid or its room was taken.
  struct Rows {
    int first = 0;
    int end = 0;
  };
  static Rows GiveRoom(TExtColumnGrid& index);
  // After the run: the room of the rows the hits did not reach goes, leaving the grid what
  // it would hold without the room made ahead.
  static void GiveUpUnused(TExtColumnGrid& index, Rows rows);

 private:
  TExtColumnGrid* index_;
  Rows rows_;
  std::future<std::unique_ptr<TGridCells>> room_;
};
