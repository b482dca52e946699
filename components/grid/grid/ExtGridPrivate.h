// The grid's private state: one object per concern, each defined in the private header named
// beside it and included only by the files that use it. The grid owns this one object
// through one pointer, so that a change to a concern's state rebuilds that concern's files
// only, not every user of the grid's header.
#pragma once

#include <memory>

#include "components/grid/grid/ExtGrid.h"

class TColumnMap;
class TFindFilterState;
class TPrintState;
class TSortState;
struct TGridEditState;

struct TExtStringGrid::Private {
  Private();
  ~Private();
  Private(const Private&) = delete;
  Private& operator=(const Private&) = delete;

  std::unique_ptr<TGridEditState> edit;    // editing/GridEditors.h: the edit under way
  std::unique_ptr<TGridEditors> editors;   // editing/GridEditors.h: the editor controls
  std::unique_ptr<CoreState> core;         // ExtGridCoreState.h
  std::unique_ptr<PaintState> paint;       // paint/PaintState.h
  std::unique_ptr<LineState> lines;        // cells/LineState.h
  std::unique_ptr<InputState> input;       // input/InputState.h
  std::unique_ptr<ClipState> clip;         // files/ClipState.h
  std::unique_ptr<TSortState> sort;        // core/SortState.h
  std::unique_ptr<TColumnMap> columns;     // core/ColumnMap.h: hidden columns, kept widths
  std::unique_ptr<TFindFilterState> find;  // core/FindFilterState.h
  // printing/PrintState.h: what stays from one layout to the next, and one run's state.
  std::unique_ptr<TPrintState> print;
  std::unique_ptr<TGridOleState> ole;  // dragdrop/esgdd.h: made when drag and drop starts
};
