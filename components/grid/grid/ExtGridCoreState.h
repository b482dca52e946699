// What the grid keeps of its own life: the update lock, the notifiers told of changes, the cell
// being validated with its text from before, the inplace editor's length limit, and the owner
// form's resize handler while the grid has taken it over. Private to the grid's files.
#pragma once

#include <memory>
#include <vector>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/UpdateLock.h"

class FormResizeLink;  // ExtGridFormResize.cpp

struct TExtStringGrid::CoreState {
  TUpdateLock UpdateLock;
  std::vector<TGridChangeNotifier*> Notifiers;
  TPoint ValidateCell{-1, -1};
  AnsiString ValidateValue;
  int MaxEditLength = 0;
  // The owner form's resize handler, taken over and handed back.
  std::shared_ptr<FormResizeLink> FormResize;
  TPoint FormSize;
};
