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
  // Held by a run into `index` while it fills the grid: takes the room made for the grid, and
  // when it goes, however the run ends, gives up the room of the rows the hits did not reach,
  // leaving the grid what it would hold without the room made ahead.
  class Taken {
   public:
    explicit Taken(TExtColumnGrid& index) : index_(index), rows_(GiveRoom(index)) {}
    ~Taken() { GiveUpUnused(index_, rows_); }
    Taken(const Taken&) = delete;
    Taken& operator=(const Taken&) = delete;

   private:
    TExtColumnGrid& index_;
    const Rows rows_;
  };

 private:
  static Rows GiveRoom(TExtColumnGrid& index);
  static void GiveUpUnused(TExtColumnGrid& index, Rows rows);

  TExtColumnGrid* index_;
  Rows rows_;
  std::future<std::unique_ptr<TGridCells>> room_;
};
