// The grid's mouse beyond the class library's: presses on cells and their controls, links,
// selections from the fixed cells, the selection resizer, rows and columns moved by the mouse,
// sizing the first column, the sizing hint, fixed cells as buttons and header clicks. Private
// to the grid's files; the state it keeps between events is the grid's InputState.
#pragma once

#include "components/grid/grid/ExtGrid.h"

class TExtStringGrid::Mouse {
 public:
  explicit Mouse(TExtStringGrid& grid) : g(grid) {}

  static constexpr int kSizingSlack = 3;  // pixels beside a cell border that size the column

  // The release's OnClick waits in here while a release in the header ends a column sizing.
  class ClickParking {
   public:
    ClickParking(TNotifyEvent& Event, bool Park);
    ClickParking(const ClickParking&) = delete;
    ClickParking& operator=(const ClickParking&) = delete;
    ~ClickParking();

   private:
    TNotifyEvent* event_;
    TNotifyEvent parked_;
  };

  bool MergedPress(int ACol, int ARow, bool WasSelected);
  bool URLCellAt(int ACol, int ARow);  // a URL text shown as a link
  // A press on a cell inside the grid; true when it is handled whole.
  bool CellPress(int ACol, int ARow, int X, int Y);
  bool DirectEditPress(int ACol, int ARow, int X);
  bool NodePress(int ACol, int ARow);
  bool AnchorPress(int ACol, int ARow, int X, int Y);
  void FollowAnchor(const AnsiString& Anchor);
  // The release on a header cell: the check box and radio events, then the sort.
  void HeaderRelease(int ACol, int ARow, int X, TShiftState Shift);
  void SortByHeader(int ACol, TShiftState Shift);
  void SortIndexClick(int ACol, TShiftState Shift);
  bool ColumnSizeAt(int X, int Y, int& ACol);

  // Rows and columns moved by the mouse (ExtGridEnhMove.cpp): OnColumnMove and OnRowMove may
  // stop a move; with EnhRowColMove the floating window, the arrows and the drag cursor show,
  // and the grid scrolls at its edges.
  void NoteMovePress(int ACol, int ARow, int X, int Y);
  // Runs the base grid's mouse move.
  void MoveMouse(TShiftState Shift, int X, int Y);
  void MoveTimer(int TimerID);
  // The release's part: arrows hidden, an enhanced move made; true when the mouse left the
  // press point while a line moved, so that the release does not sort.
  bool MoveRelease();
  bool MoveAllowed(bool Columns);
  void StopMove();
  void ShowMoveDisplay(int X, int Y);
  void PlaceMoveArrows(bool Columns, int Target);
  void ScrollMoveAtEdge(bool Columns, int X, int Y);
  void EndMoveDisplay();
  // The hidden flags and saved widths of real columns follow a moved real column.
  void MoveColumnSlots(int From, int To);

  // Whole rows, whole columns or all cells selected from the fixed cells.
  bool FixedSelectPress(int ACol, int ARow, int X, int Y);
  void ExtendFixedSelect(int X, int Y);
  void HoverAnchor(int X, int Y);
  void DisjunctCellRelease(TGridCoord Cell, bool Ctrl);
  void DisjunctRowPress(int ACol, int ARow);
  void DisjunctRowRelease();

  // The selection resizer: a press on the handle at the selection's bottom-right corner copies
  // the selection, the drag extends it and the release fills it as a smart paste would. The
  // copy stays inside the grid: the clipboard is left alone.
  TMouseSelectMode SelectModeAt(int X, int Y);
  bool OnResizerHandle(int X, int Y);
  void SelectModeMove(int X, int Y);
  bool ResizerPress(TWMMouse& Message);
  void ResizerRelease();

  // Sizing the first column from its right edge in any row (MouseActions.SizeFixedCol).
  bool NearFixedColEdge(int X) const;
  void MoveFixedColLine(int X);
  // The release's own steps: the pressed fixed cell rises, the sizing hint goes.
  [[nodiscard]] ClickParking ReleaseSizing(int X, int Y);
  void ShowSizingHint(int X, int Y);
  void FixedColSizingMove(int X, int Y);
  void ShowHintAt(TPoint Screen, const AnsiString& Text);

  // The class library's press, with AlwaysEdit parked and the left column kept in row
  // select with KeepHorizScroll.
  void BasePress(TWMMouse& Message);
  // A double click with RangeSelectAndEdit presses again with editing on.
  void ReplayPress(const TWMMouse& Message);
  void URLEditPress(int ACol, int ARow);

  void PressFixedButton(int ACol, int ARow);
  void ReleaseFixedButton();
  void PaintFixedButton();

 private:
  TExtStringGrid& g;
};
