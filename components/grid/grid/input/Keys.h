// What the keyboard and the wheel do to the current cell: Enter advances to the next editable
// cell, Space works static controls, Home and End, Tab past the right fixed columns, clipboard
// shortcuts, rows inserted and deleted by key, the key search and the wheel's notch; and the
// opening of the editor where a move ends. Private to the grid's input and editing files.
#pragma once

#include <cstdint>

#include "components/grid/grid/ExtGrid.h"

class TExtStringGrid::Keys {
 public:
  explicit Keys(TExtStringGrid& grid) : g(grid) {}

  // The navigable area: fixed rows and columns, footer rows and right fixed columns excluded.
  TRect NavigableArea() const;
  // The cell after (before) the block at From in the advance direction; false when adding a
  // row was refused.
  bool AdvanceTarget(TPoint From, bool Forward, bool& MayGrow, TPoint& Target);
  int64_t NavigableCellCount() const;
  void MoveAdvanced(TPoint Target, bool ShowEditor);  // to the cell AdvanceEdit found
  bool StaticControl(int ACol, int ARow);             // a check box, radio group or button
  void PressStaticCell(TPoint Cell);

  void ToggleByKey();
  bool HomeEndKey(WORD Key);
  bool ClipboardKey(WORD Key, TShiftState Shift);
  void InsertRowByKey();
  void DeleteRowByKey();
  void KeySearch(char Key);
  bool TabMeetsRightCols(TGridCoord From, bool Backward) const;
  void TabPastRightCols(int FromRow, bool Backward);
  bool WheelStep(int Lines, TShiftState Shift);

  // Opens the editor the cell's editor type asks for, when the grid allows editing.
  void OpenEditor();
  // A refused value: the editor opens again on its cell and takes the focus back.
  void ReopenEditor(int ACol, int ARow);

 private:
  TExtStringGrid& g;
};
