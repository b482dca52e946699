// A shown, focused 4 x 4 grid with one fixed row and column, editing on and advancing after
// Enter, for the tests that drive it with real key events.
#pragma once

#include "components/grid/grid/ExtGrid.h"
#include "shown_grid.h"

class KeyGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  const AnsiString& Searched() const { return SearchText; }
};

class GridKeys : public ShownGrid<KeyGrid> {
 protected:
  void SetUp() override {
    ShownGrid::SetUp();
    grid->SetColCount(4);
    grid->SetRowCount(4);
    grid->SetOptions(grid->GetOptions() + goEditing);
    grid->Navigation.AdvanceOnEnter = true;
    ShowFocused();
  }
  // Enter on the grid opens the editor; Enter in the editor advances (and the editor opens
  // again on the new cell).
  void EnterTwice() {
    if (!grid->GetEditorMode()) Key(Qt::Key_Return);
    Key(Qt::Key_Return);
  }
  void Put(int col, int row) {
    grid->SetCol(col);
    grid->SetRow(row);
  }
};
