// What the grid's mouse, key, timer and hint code keeps between events: the hint window and
// the cell it shows, the blink phase, wheel panning, the line moved by the mouse, the selection
// resizer, the press under way, the link the mouse hovers and the fixed button held. Private to
// the grid's input files.
#pragma once

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/files/ClipState.h"

struct TExtStringGrid::InputState {
  // Owned by the grid as a component of its own.
  THTMLHintWindow* HintWindow = nullptr;
  TPoint HintCell{-1, -1};
  bool BlinkOn = false;

  // Wheel panning
  bool Panning = false;
  TCursor PanCursor = crDefault;
  bool PanHint = false;  // ShowHint before panning

  struct LineMoveState {
    TPoint pressAt{-1, -1};
    TPoint offset;         // of the press inside the pressed cell
    TPoint mouse;          // the last mouse point of the move
    bool shown = false;    // the floating window and the drag cursor show
    bool dragged = false;  // the mouse left the press point while a line moved
  } LineMove;

  struct ResizerState {
    TMouseSelectMode mode = msNormal;  // what a press does, as the last move found
    bool pastePending = false;
    bool pasting = false;  // the release's paste, which writes as when editing is on
    TPoint origin;         // the copied rectangle's top-left cell
    TGridRect pressed;     // the selection at the press
    ClipContent copy;
  } Resizer;

  struct MouseState {
    TGridCoord down{-1, -1};
    TGridCoord button{-1, -1};  // the cell whose button is held
    bool moved = false;         // a column or row moved, or a width changed, during the click
    bool dblSized = false;      // a double click auto-sized: the release does not sort
    int rangeAnchor = -1;       // the row or column a whole-line drag selection started at
    bool rangeRows = false;
    int fixedSizingX = -1;     // the sizing line of the first column, -1 while not sizing
    bool dragPending = false;  // a press that a move turns into a drag between programs
    TPoint downAt;             // where that press was
    // DisjunctRowSelect: the press was on a normal row, so the release selects rows; a Ctrl
    // press on a row already selected deselects it at the release.
    bool rowSelectPress = false;
    int rowDeselect = -1;
  } Mouse;

  AnsiString HoverAnchor;

  enum class FixedButton { None, Sunken, Raised };  // Raised: drawn once, at the next painting
  struct SizingMouseState {
    bool hintShown = false;
    FixedButton button = FixedButton::None;
    TRect buttonRect;
  } SizingMouse;
};
