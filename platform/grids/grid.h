// TCustomGrid: the class library's grid of cells. It stands on a scroll area whose viewport it
// paints itself, one DrawCell call for each cell shown, fixed cells included, and it scrolls by
// whole rows and columns. It keeps the current cell and the selection, answers the keyboard
// and the mouse as the class library's grid does (navigation, range and row selection, sizing
// and moving rows and columns in the fixed cells, the wheel), and places an inplace editor
// over the current cell. Derived grids shape it through the virtual hooks.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/controls/customcontrol.h"
#include "platform/grids/grid_shape.h"
#include "platform/controls/scroll_style.h"

class GridWidget;
class TInplaceEdit;

// The requests of WM_HSCROLL and WM_VSCROLL. Positions are first columns and rows: the scroll
// bars count in columns and rows, not in pixels.
enum : int {
  SB_LINEUP = 0,
  SB_LINELEFT = 0,
  SB_LINEDOWN = 1,
  SB_LINERIGHT = 1,
  SB_PAGEUP = 2,
  SB_PAGELEFT = 2,
  SB_PAGEDOWN = 3,
  SB_PAGERIGHT = 3,
  SB_THUMBPOSITION = 4,
  SB_THUMBTRACK = 5,
  SB_TOP = 6,
  SB_LEFT = 6,
  SB_BOTTOM = 7,
  SB_RIGHT = 7,
  SB_ENDSCROLL = 8
};
struct TWMScroll {
  int ScrollCode = SB_ENDSCROLL;
  int Pos = 0;
};

class TCustomGrid : public TCustomControl {
 public:
  ~TCustomGrid() override;

  // The viewport's size.
  int GetClientWidth() const override;
  int GetClientHeight() const override;

  // Shape.
  int GetColCount() const { return shape_.Cols().Count(); }
  void SetColCount(int value);
  int GetRowCount() const { return shape_.Rows().Count(); }
  void SetRowCount(int value);
  int GetFixedCols() const { return shape_.Cols().Fixed(); }
  void SetFixedCols(int value);  // raises EInvalidGridOperation unless below ColCount
  int GetFixedRows() const { return shape_.Rows().Fixed(); }
  void SetFixedRows(int value);
  int GetDefaultColWidth() const { return shape_.Cols().DefaultSize(); }
  void SetDefaultColWidth(int value);  // every column takes it
  int GetDefaultRowHeight() const { return shape_.Rows().DefaultSize(); }
  void SetDefaultRowHeight(int value);
  int ColWidths(int index) const { return shape_.Cols().Size(index); }
  void SetColWidths(int index, int value);
  int RowHeights(int index) const { return shape_.Rows().Size(index); }
  void SetRowHeights(int index, int value);
  // The widths of columns first..last-1 and the heights of rows first..last-1 added up (lines
  // outside the counts at the default size), at a cost that does not grow with the counts.
  int64_t ColWidthsBetween(int first, int last) const { return shape_.Cols().SizeSum(first, last); }
  int64_t RowHeightsBetween(int first, int last) const { return shape_.Rows().SizeSum(first, last); }
  int GetGridLineWidth() const { return shape_.GridLineWidth(); }
  void SetGridLineWidth(int value);
  TGridOptions GetOptions() const { return shape_.Options(); }
  void SetOptions(TGridOptions value);
  TScrollStyle GetScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  TBorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TColor GetFixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor value);

  // Position. Col and Row raise EInvalidGridOperation outside the grid; moving there asks
  // SelectCell first.
  int GetCol() const { return shape_.Current().X; }
  void SetCol(int value);
  int GetRow() const { return shape_.Current().Y; }
  void SetRow(int value);
  TGridRect GetSelection() const { return shape_.Selection(); }
  void SetSelection(const TGridRect& value);
  int GetLeftCol() const { return shape_.Cols().First(); }
  void SetLeftCol(int value);  // clamped between FixedCols and the last column's page
  int GetTopRow() const { return shape_.Rows().First(); }
  void SetTopRow(int value);
  int GetVisibleColCount() const { return shape_.Cols().VisibleCount(); }
  int GetVisibleRowCount() const { return shape_.Rows().VisibleCount(); }
  // Client pixels; empty when the cell is not shown.
  TRect CellRect(int ACol, int ARow) const { return shape_.CellRect(ACol, ARow); }
  // -1 where no cell is shown.
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
  TGridCoord MouseCoord(int X, int Y) const { return shape_.CellAt(X, Y); }

  // Changes. A moved line takes its size along (and, in a string grid, its cells); deleting
  // moves the line to the end and drops it.
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);
  // Row p takes the place of row Order[p] (a permutation of 0..RowCount-1) with its height
  // and, in a string grid, its cells, all at once; the current cell and the selection stay.
  void PermuteRows(const std::vector<int>& Order);
  virtual void DeleteColumn(int ACol);
  virtual void DeleteRow(int ARow);
  void InvalidateCell(int ACol, int ARow);
  void InvalidateCol(int ACol);
  void InvalidateRow(int ARow);
  void InvalidateRect(const TGridRect& ARect);
  // A rectangle of the client area, in pixels.
  void InvalidateClientRect(const TRect& ARect);

  // Editing.
  bool GetEditorMode() const { return editorMode_; }
  void SetEditorMode(bool value);
  TInplaceEdit* GetInplaceEditor() const { return inplaceEdit_; }
  void ShowEditor();
  void HideEditor();
  // Opens the editor as if the character had been typed into it.
  void ShowEditorChar(char Ch);
  // Loads the editor's text and place again.
  void InvalidateEditor();

  // The scroll bars' look: a background colour (clNone: the system's) and their thickness
  // (0: the system's).
  void SetScrollBarLook(TScrollBarLook Look, TColor Color, int Width);

  // Window timers by id: WMTimer receives the id every interval until KillTimer.
  void SetTimer(int id, int milliseconds);
  void KillTimer(int id);

 protected:
  explicit TCustomGrid(TComponent* AOwner);

  // Hooks of derived grids.
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) = 0;
  void Paint() override;
  virtual bool SelectCell(int ACol, int ARow);
  virtual void TopLeftChanged() {}
  virtual void SizeChanged(int OldColCount, int OldRowCount);
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  virtual void ColumnMoved(int /*FromIndex*/, int /*ToIndex*/) {}
  virtual void RowMoved(int /*FromIndex*/, int /*ToIndex*/) {}
  virtual void RowsPermuted(const std::vector<int>& /*Order*/) {}
  // Whether a press at (X, Y) starts sizing a column (gsColSizing) or a row (gsRowSizing):
  // Index is the line, SizingPos the border, SizingOfs the press's distance from it.
  virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                               int& SizingOfs);
  // One notch of the wheel: unless OnMouseWheelDown (Up) handles it, the current row moves by
  // the system's lines per notch.
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  virtual void WMHScroll(TWMScroll& Message);
  virtual void WMVScroll(TWMScroll& Message);
  virtual void WMTimer(int TimerID);
  // Paints the border around the client area; the canvas covers the whole control.
  virtual void WMNCPaint(TCanvas& /*WindowCanvas*/) {}
  // Runs once, when the control's window first shows.
  virtual void CreateWnd() {}

  // Editing hooks.
  virtual TInplaceEdit* CreateEditor();
  // Whether the current cell's edit takes several lines; the grid keeps a second editor for
  // the other kind and swaps them between edits.
  virtual bool MultiLineEditor() { return false; }
  virtual bool CanEditShow();
  virtual AnsiString GetEditText(int ACol, int ARow);
  virtual void SetEditText(int ACol, int ARow, const AnsiString& Value);
  virtual AnsiString GetEditMask(int ACol, int ARow);
  virtual int GetEditLimit() { return 0; }  // 0: no limit
  // Hands the editor's text to SetEditText for the cell it edits.
  void UpdateText();

  // The control's messages and events.
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void WMChar(TWMChar& Message) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoExit() override;
  void WMSetFocus() override;
  void WMKillFocus() override;
  void Resize() override;
  void Loaded() override;
  void FontChanged() override;
  void ColorChanged() override;
  QWidget* ClientWidget() const override;

  // Moves the current cell (and the anchor with MoveAnchor) after SelectCell agrees, showing
  // it whole with Show; false when SelectCell refused.
  bool MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
  bool GetDefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool value);
  // The cursor over the cells until the next mouse move, which sets the sizing or own cursor.
  void ShowClientCursor(TCursor value);
  TCursor GetClientCursor() const { return clientCursor_; }
  // The size the line being sized by the mouse takes at a release now; -1 while none is.
  int GetSizingSize() const;
  TGridState GetGridState() const { return gridState_; }
  void SetGridState(TGridState value) { gridState_ = value; }
  // While a line moves by the mouse: the line taken and the line it would land on.
  int GetMoveIndex() const { return drag_.index; }
  int GetMovePos() const { return drag_.target; }
  // A grid that shows a moved line's landing place otherwise answers false.
  virtual bool DrawsMoveLine() const { return true; }
  const TGridShape& Shape() const { return shape_; }

 private:
  friend class GridWidget;
  friend class TInplaceEdit;

  GridWidget* view_;
  TGridShape shape_;
  TScrollStyle scrollBars_ = ssBoth;
  TBorderStyle borderStyle_ = bsSingle;
  TColor fixedColor_ = clBtnFace;
  bool defaultDrawing_ = true;
  TGridState gridState_ = gsNormal;
  bool windowCreated_ = false;
  bool reshaping_ = false;
  TCursor clientCursor_ = crDefault;

  // Sizing and moving by the mouse: the line, where it started and where it is now.
  struct Drag {
    int index = -1;
    int pos = 0;
    int offset = 0;
    int target = -1;
  } drag_;
  TGridCoord pressCell_{-1, -1};  // the cell of the last left press
  TPoint dragMouse_;              // where the mouse is while a drag runs

  TInplaceEdit* inplaceEdit_ = nullptr;
  TInplaceEdit* spareEdit_ = nullptr;  // the editor of the other kind, hidden
  bool editorMode_ = false;
  TGridCoord editCell_{-1, -1};

  // The first lines shown before a change, for TopLeftChanged.
  TGridCoord TopLeft() const { return {GetLeftCol(), GetTopRow()}; }
  template <typename Change>
  void Reshape(Change change);
  void Reshaped(TGridCoord oldTopLeft);
  void SyncClientSize();
  void UpdateScrollBars();
  void SetTopLeft(TGridCoord topLeft);
  void SetLineSize(GridAxis axis, int index, int value);
  void SetCount(GridAxis axis, int value);
  void MoveLine(GridAxis axis, int from, int to);
  void FocusCell(int ACol, int ARow, bool MoveAnchor);
  void SelectionMoved(const TGridRect& oldSelection);

  // Painting.
  void PaintCells(const TRect& clip);
  void PaintGridLines(const TRect& clip);
  void PaintDragLine();
  TGridDrawState DrawStateOf(int col, int row) const;
  void FillDefault(int col, int row, const TRect& rect, TGridDrawState state);

  // Keyboard.
  bool NavigationKey(WORD key, TShiftState shift);

  // Mouse.
  bool StartDrag(int x, int y);
  void TrackDrag(int x, int y);
  void EndDrag();
  void ExtendSelection(int x, int y);
  void ScrollTowards(int x, int y);

  // Editor.
  void UpdateEdit();
  void HideEdit();
  void PlaceEditor();
  bool EditorFocused() const;

  // From the widget.
  TCustomGrid(TComponent* AOwner, GridWidget* view);
  void ScrollBarAction(GridAxis axis, int code, int pos);
  void FirstShown();
};
