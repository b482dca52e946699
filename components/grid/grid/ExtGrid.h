// TExtStringGrid: the full grid control. This header gives the object itself: its settings
// objects and their defaults, the look settings it holds for the painting code, the virtual
// cell hooks (each applies the built-in rule, then fires the user's event), the update lock,
// the validation of an edited cell, the window and component life, and every event. Sorting,
// hiding, editing, painting, printing, import and export add their members in files of their
// own (ExtGrid*.cpp).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "components/grid/core/BaseGrid.h"
#include "components/grid/core/ComponentLink.h"
#include "components/grid/core/CellGraphic.h"
#include "components/grid/grid/dragdrop/DragDropSettings.h"
#include "components/grid/grid/ExtGridEvents.h"
#include "components/grid/grid/paint/FloatingFooter.h"
#include "components/grid/grid/files/FileSettings.h"
#include "components/grid/grid/GridChangeNotifier.h"
#include "components/grid/grid/GridFilter.h"
#include "components/grid/core/GridItem.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/html/HTMLDraw.h"
#include "components/grid/html/HTMLPictureCache.h"
#include "components/grid/core/HiddenRows.h"
#include "components/grid/grid/input/InputSettings.h"
#include "components/grid/grid/paint/LookSettings.h"
#include "components/grid/html/PictureContainer.h"
#include "components/grid/grid/printing/PrintSettings.h"
#include "components/grid/richtext/RichText.h"
#include "components/grid/core/SortCompare.h"
#include "components/grid/core/SortIndexList.h"
#include "components/grid/grid/SortSettings.h"

class TImageList;
class TExtStringGridCheck;
class TGridOleState;
class THTMLHintWindow;
class TRichEdit;
class TEditLink;
struct TGridEditors;

class TExtStringGrid : public TBaseGrid {
 public:
  explicit TExtStringGrid(TComponent* AOwner);
  ~TExtStringGrid() override;

  // Object model and settings ----------------------------------------------------------------
  // (ExtGridHooks.cpp, ExtGrid.cpp, ExtGridLook.cpp, ExtGridValidate.cpp, ExtGridEnhMove.cpp,
  // ExtGridFormResize.cpp, ExtGridPaint.cpp)
  // Settings objects; a change of their look repaints the grid.
  TSortSettings SortSettings{[this] { return GetFixedRowsEx(); }};
  TDragDropSettings DragDropSettings;
  TControlLook ControlLook;
  TNavigation Navigation;
  TColumnSize ColumnSize;
  TCellNode CellNode;
  TBands Bands;
  TSizeWhileTyping SizeWhileTyping;
  TMouseActions MouseActions;
  THTMLSettings HTMLSettings;
  TBackGround BackGround;
  TFilter Filter;
  // Texts of row 0 (one per column) and of column 0 (one per row), written in at loading.
  TStringList ColumnHeaders;
  TStringList RowHeaders;
  TStringList LookupItems;  // the inplace editor's completion list

  TFont* GetFixedFont() const;
  void SetFixedFont(const TFont* Value);
  TFont* GetActiveCellFont() const;
  void SetActiveCellFont(const TFont* Value);
  TBitmap* GetRowIndicator() const;
  void SetRowIndicator(const TBitmap* Value);

  // Look settings that repaint when set (SetLook will move the floating footer too).
  void SetURLColor(TColor Value) { Restyle(URLColor, Value); }
  void SetURLShow(bool Value) { Restyle(URLShow, Value); }
  void SetURLFull(bool Value) {
    if (URLFull == Value) return;
    URLFull = Value;
    if (URLShow) Invalidate();
  }
  void SetLook(TGridLook Value) {
    Restyle(Look, Value);
    FloatingFooter.Invalidate();
  }
  bool GetActiveCellShow() const;
  void SetActiveCellShow(bool Value);
  TColor GetActiveCellColor() const;
  void SetActiveCellColor(TColor Value);
  TPoint GetXYOffset() const;
  void SetXYOffset(TPoint Value);
  TColor GetSelectionColor() const;
  void SetSelectionColor(TColor Value);
  TColor GetSelectionTextColor() const;
  void SetSelectionTextColor(TColor Value);
  bool GetShowSelection() const;
  void SetShowSelection(bool Value);
  // The four arrows that mark where a moved or dropped column or row lands.
  TColor GetArrowColor() const;
  void SetArrowColor(TColor Value);
  // Repaints unless the update lock is held.
  TVAlignment GetVAlignment() const;
  void SetVAlignment(TVAlignment Value);

  // Settings the painting, editing, scrolling and export code reads.
  bool EnableWheel = true;
  bool IntelliZoom = true;
  bool AutoSize = false;
  TColor HintColor = clInfoBk;
  bool HideFocusRect = false;
  bool FixedAsButtons = false;
  bool EnableHTML = true;
  TColor URLColor = clBlue;
  AnsiString FloatFormat = "%.2f";
  char PasswordChar = '*';
  AnsiString CheckTrue = "Y";
  AnsiString CheckFalse = "N";
  TGridLook Look = glSoft;
  TScrollType ScrollType = ssNormal;
  TColor ScrollColor = clNone;
  int ScrollWidth;  // the system's vertical scroll bar width
  bool FixedRowAlways = false;
  bool FixedColAlways = false;
  // Rows and columns moved by the mouse show in a floating window, arrows at the landing edge.
  bool EnhRowColMove = false;
  // The CSV and text file writers: fixed cells saved, hidden ones not, empty cells quoted.
  char Delimiter = '\0';  // automatic
  bool SaveFixedCells = true;
  bool SaveHiddenCells = false;
  bool QuoteEmptyCells = true;
  bool AlwaysQuotes = false;

  // The fixed rows (columns), but 1 when there are none and one is always kept.
  int GetFixedRowsEx() const;
  int GetFixedColsEx() const;

  // Cell hooks: the built-in rule, then the event.
  virtual void GetCellHint(int ACol, int ARow, AnsiString& Hint);
  virtual void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                            TFont* AFont);
  virtual void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                 TFont* AFont);
  virtual void GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
  virtual void GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
  virtual void GetCellAlign(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
  virtual void GetColFormat(int ACol, TSortStyle& AStyle, AnsiString& Prefix, AnsiString& Suffix);
  virtual void GetCellEditor(int ACol, int ARow, TEditorType& AEditor);
  virtual void GetCellFixed(int ACol, int ARow, bool& IsFixed);
  virtual void GetCellReadOnly(int ACol, int ARow, bool& CanEdit);
  virtual void GetCellPassword(int ACol, int ARow, bool& IsPassword);
  virtual void GetCheckTrue(int ACol, int ARow, AnsiString& Value);
  virtual void GetCheckFalse(int ACol, int ARow, AnsiString& Value);
  virtual bool GetFilter(int /*ACol*/) { return false; }
  virtual void CellsLoaded() { CalcFooter(-1); }
  virtual void CellsChanged(TRect R);
  virtual void UpdateCell(int ACol, int /*ARow*/) { CalcFooter(ACol); }
  // Remembers the cell and its text as the value before editing.
  virtual void InitValidate(int ACol, int ARow);
  virtual uint32_t GetVersionNr();
  virtual AnsiString GetVersionString();
  // An edit ends with NewValue: OnCellValidate may refuse or change it. Refused, the cell gets
  // the handler's value (or, unchanged, its text from before) and the editor opens again.
  virtual bool ValidateCell(const AnsiString& NewValue);
  bool IsFixed(int ACol, int ARow) override;

  void RegisterNotifier(TGridChangeNotifier* Notifier);
  void UnRegisterNotifier(TGridChangeNotifier* Notifier);

  // The update lock: no painting while it is held; the outermost EndUpdate repaints.
  void BeginUpdate();
  void EndUpdate();
  void ResetUpdate();
  bool GetLockFlag() const;
  void SetLockFlag(bool Value) { Value ? BeginUpdate() : EndUpdate(); }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Click() override;
  void Loaded() override;

  // Events (OnResize and the inherited grid events come from the base classes).
  TAnchorClickEvent OnAnchorClick;
  TAnchorEvent OnAnchorEnter;
  TAnchorEvent OnAnchorExit;
  TAnchorHintEvent OnAnchorHint;
  TAutoAddRowEvent OnAutoAddRow;
  TAutoDeleteRowEvent OnAutoDeleteRow;
  TAutoInsertColEvent OnAutoInsertCol;
  TAutoInsertRowEvent OnAutoInsertRow;
  TButtonClickEvent OnButtonClick;
  TCanAddRowEvent OnCanAddRow;
  TCanDeleteRowEvent OnCanDeleteRow;
  TCanEditCellEvent OnCanEditCell;
  TCanInsertRowEvent OnCanInsertRow;
  TCanSortEvent OnCanSort;
  TCellChangingEvent OnCellChanging;
  TCellValidateEvent OnCellValidate;
  TCellsChangedEvent OnCellsChanged;
  TCheckBoxClickEvent OnCheckBoxClick;
  TCheckBoxClickEvent OnCheckBoxMouseUp;
  TClickCellEvent OnClickCell;
  TClickSortEvent OnClickSort;
  TClipboardEvent OnClipboardCopy;
  TClipboardEvent OnClipboardCut;
  TClipboardEvent OnClipboardPaste;
  TColChangingEvent OnColChanging;
  TColumnSizeEvent OnColumnMove;
  TColumnSizeEvent OnColumnSize;
  TComboChangeEvent OnComboChange;
  TComboObjectChangeEvent OnComboObjectChange;
  TNodeClickEvent OnContractNode;
  TCustomCellDrawEvent OnCustomCellDraw;
  TCustomCellSizeEvent OnCustomCellSize;
  TCustomCompareEvent OnCustomCompare;
  TDateTimeSpinClickEvent OnDateSpinClick;
  TDblClickCellEvent OnDblClickCell;
  TNotifyEvent OnEditingDone;
  TEllipsClickEvent OnEllipsClick;
  TEndColumnSizeEvent OnEndColumnSize;
  TEndRowSizeEvent OnEndRowSize;
  TNodeClickEvent OnExpandNode;
  TGridProgressEvent OnFileProgress;
  TGridProgressEvent OnFilterProgress;
  TDoFitToPageEvent OnFitToPage;
  TFloatSpinClickEvent OnFloatSpinClick;
  TGridAlignEvent OnGetAlignment;
  TGridBorderEvent OnGetCellBorder;
  TGridBorderPropEvent OnGetCellBorderProp;
  TGridColorEvent OnGetCellColor;
  TGridBorderEvent OnGetCellPrintBorder;
  TGridColorEvent OnGetCellPrintColor;
  TGetCheckEvent OnGetCheckFalse;
  TGetCheckEvent OnGetCheckTrue;
  TGetEditorPropEvent OnGetEditorProp;
  TGetEditorTypeEvent OnGetEditorType;
  TGridFormatEvent OnGetFormat;
  TGridHintEvent OnGridHint;
  TIsFixedCellEvent OnIsFixedCell;
  TIsPasswordCellEvent OnIsPasswordCell;
  TOleDragDropEvent OnOleDrag;
  TOleDragOverEvent OnOleDragOver;
  TOleDragStartEvent OnOleDragStart;
  TOleDragStopEvent OnOleDragStop;
  TOleDragDropEvent OnOleDrop;
  TOleDropColEvent OnOleDropCol;
  TOleDroppedEvent OnOleDropped;
  TGridPrintNewPageEvent OnPrintNewPage;
  TGridPrintPageEvent OnPrintPage;
  TGridPrintPageDoneEvent OnPrintPageDone;
  TGridPrintColumnWidthEvent OnPrintSetColumnWidth;
  TGridPrintRowHeightEvent OnPrintSetRowHeight;
  TGridPrintStartEvent OnPrintStart;
  TRadioClickEvent OnRadioClick;
  TRadioClickEvent OnRadioMouseUp;
  TRawCompareEvent OnRawCompare;
  TNotifyEvent OnRichEditSelectionChange;
  TClickCellEvent OnRightClickCell;
  TRowChangingEvent OnRowChanging;
  TRowSizeEvent OnRowMove;
  TRowSizeEvent OnRowSize;
  TScrollHintEvent OnScrollHint;
  TSpinClickEvent OnSpinClick;
  TDateTimeSpinClickEvent OnTimeSpinClick;
  TUpdateColumnSizeEvent OnUpdateColumnSize;

  // Cell access, marking and selection -------------------------------------------------------
  // (ExtGridMark.cpp, ExtGridCellStyle.cpp, ExtGridTypedCells.cpp, ExtGridRowSelect.cpp,
  // ExtGridRealCells.cpp, ExtGridCounts.cpp, ExtGridHeaders.cpp, ExtGridRichText.cpp,
  // ExtGridColumnMerge.cpp, ExtGrid.cpp, ExtGridFill.cpp, ExtGridHiddenColumns.cpp,
  // ExtGridPrintWidths.cpp, ExtGridRepaint.cpp, ExtGridSizing.cpp, ExtGridVisual.cpp,
  // ExtGridZoom.cpp)
  // Column numbers are real columns (hidden ones counted) unless a member says otherwise.

  // The grid's RowCount, ColCount, FixedRows and FixedCols properties. Setting the row
  // (column) count gives a grid of more than one row (column) without fixed ones a fixed one
  // when FixedRowAlways (FixedColAlways) is on; the row count is the data-row count too.
  int GetRowCountEx() const { return GetRowCount(); }
  void SetRowCountEx(int Value);
  void SetRowCount(int Value) { SetRowCountEx(Value); }
  int GetColCountEx() const { return GetColCount(); }
  // Also applies the bounds again, so IntegralHeight follows.
  void SetColCountEx(int Value);
  void SetColCount(int Value) { SetColCountEx(Value); }
  void SetFixedRowsEx(int Value) { SetFixedRows(Value); }
  void SetFixedColsEx(int Value) { SetFixedCols(Value); }
  int GetDefRowHeightEx() const { return GetDefaultRowHeight(); }
  // Also the floating footer's height.
  void SetDefRowHeightEx(int Value) {
    SetDefaultRowHeight(Value);
    FloatingFooter.SetHeight(Value);
  }
  // The width (height) of the first column (row); setting gives it to every fixed one.
  int GetFixedColWidth() const { return ColWidths(0); }
  void SetFixedColWidth(int Value);
  int GetFixedRowHeight() const { return RowHeights(0); }
  void SetFixedRowHeight(int Value);
  // Rows at the bottom and columns at the right that are fixed too; they repaint when set.
  int GetFixedFooters() const;
  void SetFixedFooters(int Value);
  int GetFixedRightCols() const;
  void SetFixedRightCols(int Value);
  // Rounds the height to whole default rows when the bounds are set; setting applies it.
  bool GetIntegralHeight() const;
  void SetIntegralHeight(bool Value);
  // The gradient of fixed cells in the soft and Orvik looks; setting repaints.
  TColor GetOrvikGradFrom() const;
  void SetOrvikGradFrom(TColor Value);
  TColor GetOrvikGradTo() const;
  void SetOrvikGradTo(TColor Value);
  // The control's cursor; setting makes it the grid's normal cursor too.
  TCursor GetCursorEx() const { return GetCursor(); }
  void SetCursorEx(TCursor Value);

  // Typed cell text. An empty cell reads as 0; text that is no number raises EExtGridError.
  // Floats are written in FloatFormat and read with the locale's separators.
  int GetInts(int ACol, int ARow);
  void SetInts(int ACol, int ARow, int Value);
  double GetFloats(int ACol, int ARow);
  void SetFloats(int ACol, int ARow, double Value);
  // The locale's date (time) text; reading text that is none raises EConvertError.
  TDateTime GetDates(int ACol, int ARow);
  void SetDates(int ACol, int ARow, TDateTime Value);
  TDateTime GetTimes(int ACol, int ARow);
  void SetTimes(int ACol, int ARow, TDateTime Value);
  // The current cell, its column taken as a display column.
  AnsiString GetCurrentCell();
  void SetCurrentCell(const AnsiString& Value);
  // The text without its HTML tags.
  AnsiString GetStrippedCell(int ACol, int ARow);

  // Real rows: hidden rows counted. RemapRow gives a shown row's display row; RemapColInv a
  // real column's display column.
  int RemapRow(int RealRow) const;
  int RemapColInv(int RealCol) const override;
  // The real column of a display column: the DisplayCol-th shown one (0 when there are not
  // that many below 512); from 512 on the same.
  int RemapCol(int DisplayCol) const override;
  // A hidden row's cells are read and written in the hidden-row store.
  AnsiString GetCellsEx(int ACol, int ARow);
  void SetCellsEx(int ACol, int ARow, const AnsiString& Value);
  TObject* GetObjectsEx(int ACol, int ARow) const;
  void SetObjectsEx(int ACol, int ARow, TObject* Obj);
  // A width kept for every real column (16 bits); setting also sizes a shown column.
  int GetAllColWidths(int ACol) const;
  void SetAllColWidths(int ACol, int Value);

  // The look of single cells. The getters create no properties object (and answer clNone,
  // [], 0, "" or taLeftJustify without one); the setters make it and repaint the cell.
  TColor GetColors(int ACol, int ARow) const;
  void SetColors(int ACol, int ARow, TColor Value);
  TColor GetFontColors(int ACol, int ARow) const;
  void SetFontColors(int ACol, int ARow, TColor Value);
  TFontStyles GetFontStyles(int ACol, int ARow) const;
  void SetFontStyles(int ACol, int ARow, TFontStyles Value);
  int GetFontSizes(int ACol, int ARow) const;
  void SetFontSizes(int ACol, int ARow, int Value);
  AnsiString GetFontNames(int ACol, int ARow) const;
  void SetFontNames(int ACol, int ARow, const AnsiString& Value);
  TAlignment GetAlignments(int ACol, int ARow) const;
  void SetAlignments(int ACol, int ARow, TAlignment Value);

  // Headers: row 0 (column 0) emptied; setting the list shows it (for RowHeaders column 0 is
  // emptied first only while designing).
  void ClearColumnHeaders();
  void SetColumnHeaders(const TStrings& Value);
  void ClearRowHeaders();
  void SetRowHeaders(const TStrings& Value);

  // Writes ColumnHeaders into row 0 (RowHeaders into column 0) while there are fixed rows
  // (columns); "\n" in a header stands for a line break.
  void ShowColumnHeaders();
  void ShowRowHeaders();

  // Highlighting (tag "hi") and error marking (tag "e") of every occurrence of a text in
  // cells. With DoFixed every row (column) of the grid, else the normal ones between the
  // fixed rows (columns) and the footer rows (right fixed columns). Removing the marks gives
  // the texts back as they were.
  void HilightInCell(bool DoCase, int ACol, int ARow, const AnsiString& Text);
  void HilightInCol(bool DoFixed, bool DoCase, int ACol, const AnsiString& Text);
  void HilightInRow(bool DoFixed, bool DoCase, int ARow, const AnsiString& Text);
  void HilightInGrid(bool DoFixed, bool DoCase, const AnsiString& Text);
  void UnHilightInCell(int ACol, int ARow);
  void UnHilightInCol(bool DoFixed, int ACol);
  void UnHilightInRow(bool DoFixed, int ARow);
  void UnHilightInGrid(bool DoFixed);
  void MarkInCell(bool DoCase, int ACol, int ARow, const AnsiString& Text);
  void MarkInCol(bool DoFixed, bool DoCase, int ACol, const AnsiString& Text);
  void MarkInRow(bool DoFixed, bool DoCase, int ARow, const AnsiString& Text);
  void MarkInGrid(bool DoFixed, bool DoCase, const AnsiString& Text);
  void UnMarkInCell(int ACol, int ARow);
  void UnMarkInCol(bool DoFixed, int ACol);
  void UnMarkInRow(bool DoFixed, int ARow);
  void UnMarkInGrid(bool DoFixed);
  AnsiString HilightText(bool DoCase, const AnsiString& Text, const AnsiString& Source);
  AnsiString UnHilightText(const AnsiString& Source);
  AnsiString MarkText(bool DoCase, const AnsiString& Text, const AnsiString& Source);
  AnsiString UnMarkText(const AnsiString& Source);

  // Fill every cell of the range the marking uses, then CellsLoaded. RandomFill writes
  // whole numbers from 0 to Max-1 (0 when Max is not positive).
  void TextFill(bool DoFixed, const AnsiString& Text);
  void RandomFill(bool DoFixed, int Max);

  // The rows selected one by one (MouseActions.DisjunctRowSelect). A row outside the grid
  // raises EExtGridError.
  bool GetRowSelect(int ARow) const;
  void SetRowSelect(int ARow, bool Value);
  int GetRowSelectCount() const;
  void ClearRowSelect();
  // The rows of the selection become selected; with All every other row is unselected.
  void SelectToRowSelect(bool All);
  // The grid's selection, kept inside the grid; SelectRows selects the rows one by one
  // with DisjunctRowSelect.
  void SelectRows(int ARow, int Count);
  void SelectCols(int ACol, int Count);
  void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);

  // Repainting in display cells; RepaintRect the whole grid when a corner is not shown.
  void RepaintRow(int ARow) { InvalidateRow(ARow); }
  void RepaintCol(int ACol) { InvalidateCol(ACol); }
  void RepaintRect(const TGridRect& R);

  // The inplace editor edits the text without HTML tags unless this is on.
  bool EditWithTags = false;
  // A cell's text as rich text (RTF, or plain text), and rich text into a cell as RTF.
  void CellToRich(int ACol, int ARow, TRichText& RichEdit);
  void RichToCell(int ACol, int ARow, const TRichText& RichEdit);
  // The same with a rich edit control (an empty cell empties it).
  void CellToRich(int ACol, int ARow, TRichEdit& RichEdit);
  void RichToCell(int ACol, int ARow, const TRichEdit& RichEdit);

  // Every column and row grows by Delta while the zoom level stays within -10 to 10; a
  // size that would not stay positive is kept.
  void Zoom(int Delta);
  int GetZoomLevel() const;
  // A column's printed width and left offset in the last print layout (columns 0 to 511).
  int GetPrintColWidth(int ACol) const;
  int GetPrintColOffset(int ACol) const;

  // The columns whose equal neighbouring cells merge after a sort, the first leading.
  const std::vector<int>& GetMergedColumns() const;
  void SetMergedColumns(const std::vector<int>& Value);
  void ApplyColumnMerge();
  void UndoColumnMerge();

  // Sorting ----------------------------------------------------------------------------------
  // (ExtGridSort.cpp, ExtGridCompare.cpp)
  // The columns of an indexed sort, in the order they decide.
  TSortIndexList SortIndexes;

  // -1, 0 or 1 (negative: ARow1 first in ascending order) by the column's sort style
  // (GetColFormat) on the cells' display texts; SortSettings places empty cells.
  // CompareLine lets the columns to the right break a tie while SortSettings.Full is on;
  // CompareLineIndexed the following entries of SortIndexes, each in its own direction.
  int Compare(int ACol, int ARow1, int ARow2);
  int CompareLine(int ACol, int ARow1, int ARow2);
  int CompareLineIndexed(int Index, int ARow1, int ARow2);
  // Sort the normal rows above the footer rows by SortSettings.Column (QSort) or by
  // SortIndexes (QSortIndexed), inside the update lock, the current row kept. The sorts are
  // not stable: rows that tie may change their order.
  void QSort();
  // QSort within each group of rows below a node row.
  void QSortGroup();
  void QSortIndexed();
  // The milliseconds the last sort by a header click took.
  int GetLastSortTime() const;
  // The same for the rows Left..Right only, without the update lock or the current row.
  void QuickSort(int ACol, int Left, int Right);
  void QuickSortIndexed(int Left, int Right);
  // A stable (bubble) sort of the normal rows by one column, without ties broken.
  void SortByColumn(int ACol);
  // Swaps the two rows when ARow1 belongs after ARow2, the columns from ACol on deciding.
  bool SortLine(int ACol, int ARow1, int ARow2);
  // Every exchange of two rows by a sort. While a sort compares keys only, the base records
  // the exchange and the cells take their places when the sort ends; an override exchanges
  // rows by calling the base.
  virtual void SortSwapRows(int ARow1, int ARow2);
  // The cross reference: which row (by its place before sorting) stands where now.
  void InitSortXRef();
  int SortedRowIndex(int ARow) const;
  int UnSortedRowIndex(int ARow) const;
  AnsiString GetUnSortedCell(int ACol, int ARow);
  void SetUnSortedCell(int ACol, int ARow, const AnsiString& Value);

  // Hidden rows and columns, nodes, grouping -------------------------------------------------
  // (ExtGridNodes.cpp, ExtGridHiddenRows.cpp, ExtGridGrouping.cpp, ExtGridHiddenColumns.cpp,
  // ExtGridRadio.cpp, ExtGridView.cpp, ExtGrid.cpp)
  // Display rows and columns are what the grid shows; real ones count the hidden ones too.
  int RemapRowInv(int DisplayRow) const { return HiddenRows.RealRow(DisplayRow); }
  int DisplRowIndex(int RealRow) const { return RemapRow(RealRow); }
  int RealRowIndex(int DisplayRow) const { return RemapRowInv(DisplayRow); }
  int RealColIndex(int DisplayCol) const { return RemapCol(DisplayCol); }
  int DisplColIndex(int RealCol) const { return RemapColInv(RealCol); }
  int GetRealCol() const { return RemapCol(GetCol()); }
  int GetRealRow() const { return RemapRowInv(GetRow()); }
  bool IsHiddenRow(int RealRow) const { return HiddenRows.Find(RealRow) != nullptr; }
  int NumHiddenRows() const { return HiddenRows.Count(); }
  bool IsHiddenColumn(int RealCol) const;
  int NumHiddenColumns() const;
  // Merged blocks lie in stored columns, hidden ones included.
  int CellColCount() const override;
  // The shown flag alone: the column neither hides nor shows.
  bool GetVisibleCol(int RealCol) const { return !IsHiddenColumn(RealCol); }
  void SetVisibleCol(int RealCol, bool Shown);

  // Real rows out of the grid and back, with their cells and properties. Hiding skips rows
  // already hidden; showing puts each row back at its own place.
  void HideRows(int FromRow, int ToRow);
  void HideRow(int ARow) { HideRows(ARow, ARow); }
  // Takes the rows out as RemoveRowsEx does.
  void HideRowsEx(int FromRow, int ToRow);
  void UnHideRow(int ARow) { UnHideRows(ARow, ARow); }
  void UnHideRows(int FromRow, int ToRow);
  void UnHideRowsAll();
  // The stored cells of a hidden row; nullptr when it is not hidden.
  TStrings* HiddenRow(int ARow) const;
  // The normal rows above the footer rows whose row-select state is set (not set).
  void HideSelectedRows();
  void HideUnSelectedRows();

  // Real columns out of view and back. A hidden column keeps its cells and its width; the
  // last shown column does not hide. The inplace editor closes.
  void HideColumns(int FromCol, int ToCol);
  void HideColumn(int ACol) { HideColumns(ACol, ACol); }
  void UnHideColumns(int FromCol, int ToCol);
  void UnHideColumn(int ACol) { UnHideColumns(ACol, ACol); }
  void UnHideColumnsAll();

  // Tree nodes: a node graphic in column 0 whose span (node row included; 0: up to the next
  // node) closes by hiding the rows below it. Rows are real rows.
  void AddNode(int ARow, int Span);
  void RemoveNode(int ARow);
  bool IsNode(int ARow);
  bool GetNodeState(int ARow);  // contracted
  void SetNodeState(int ARow, bool Contracted);
  int GetNodeSpan(int ARow);  // -1 without a node
  void SetNodeSpan(int ARow, int Span);
  void ContractNode(int ARow);
  void ExpandNode(int ARow);
  void ContractAll();
  void ExpandAll();
  int GetNodeCount() const;
  // The node whose span holds the row, -1 for none.
  int GetParentRow(int ARow);
  // A row added to (taken from) the node the row belongs to, whose span follows.
  void InsertChildRow(int ARow);
  void RemoveChildRow(int ARow);
  // For the tree lines: 0 a node row, 1 the last row of an open node, 2 a row inside one.
  int GetNodeSpanType(int ARow);
  bool HasNodes() override;
  int NodeIndent(int ARow) override;

  // Grouping: sorted by a column, a node row before each run of equal values, which the node
  // row shows in the text column; the column itself leaves the grid until UnGroup.
  int GetGroupColumn() const;
  void SetGroupColumn(int Value);
  void Group(int ACol);
  void UnGroup();
  // Each node row's cell in ACol gets the statistic of its group's rows.
  void GroupSum(int ACol);
  void GroupAvg(int ACol);
  void GroupMin(int ACol);
  void GroupMax(int ACol);
  void GroupCount(int ACol);

  // Radio groups over a list of captions: AddRadio keeps the caller's list, CreateRadio makes
  // an empty one the graphic owns and gives it to be filled.
  void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* Strings);
  TStrings* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
  bool GetRadioIdx(int ACol, int ARow, int& Idx);
  bool SetRadioIdx(int ACol, int ARow, int Idx);
  TStrings* GetRadioStrings(int ACol, int ARow);
  bool IsRadio(int ACol, int ARow);
  bool RemoveRadio(int ACol, int ARow) { return RemoveCellGraphic(ACol, ARow, ctRadio); }

  // Makes the cell current and scrolls it to the middle when it is out of view.
  void ScrollInView(int ACol, int ARow);
  // Sets the selection outside the grid, and gives it back.
  void HideSelection();
  void UnHideSelection();

  // Row and column operations ----------------------------------------------------------------
  // (ExtGridRows.cpp, ExtGridStats.cpp, ExtGridClear.cpp, ExtGridAutoSize.cpp, ExtGridColumns.cpp,
  // ExtGridMerge.cpp, ExtGridSelection.cpp, ExtGridHiddenColumns.cpp, ExtGridView.cpp)
  // Clearing: texts emptied, cell properties freed; the counts stay. `Capacity` Keep leaves the
  // rows their capacity for a refill of the same shape.
  virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2,
                         TGridCells::Capacity Capacity = TGridCells::Capacity::GiveUp);
  void ClearRows(int ARow, int Count);
  void ClearCols(int ACol, int Count);
  // Every cell but the fixed ones, the right fixed columns and the footer rows.
  void ClearNormalCells();
  void Clear();
  void ClearSelection();
  // R in shown columns, as a selection is.
  void ClearShownRect(const TGridRect& R);

  // Rows. Inserted rows are empty and of the default height; removed rows free their cell
  // properties; RemoveRowsEx takes rows out without freeing them (hiding keeps them).
  virtual void InsertRows(int ARow, int Count);
  virtual void RemoveRows(int ARow, int Count);
  virtual void RemoveRowsEx(int ARow, int Count);
  void AddRow();
  void AddColumn();
  // The normal rows above the footer rows whose row-select state is set (not set).
  void RemoveSelectedRows();
  void RemoveUnSelectedRows();
  // Removes each normal row whose text in ACol an earlier row already holds.
  void RemoveDuplicates(int ACol, bool DoCase);
  // Two rows (columns) exchange their cells and heights (widths).
  void SwapRows(int ARow1, int ARow2);
  void SwapColumns(int ACol1, int ACol2);

  // Columns.
  virtual void InsertCols(int ACol, int Count);
  virtual void RemoveCols(int ACol, int Count);
  // Appends ACol2's text to ACol1's in every normal row, then removes ACol2.
  void MergeCols(int ACol1, int ACol2);

  // Merging runs of equal neighbours into blocks, and splitting blocks again. Unless
  // MainMerge, a run also ends where the merges of the other columns (rows) differ.
  void MergeColumnCells(int ACol, bool MainMerge);
  void MergeRowCells(int ARow, bool MainMerge);
  void SplitColumnCells(int ACol);
  void SplitRowCells(int ARow);
  void SplitAllCells();

  // 1, 2, 3, ... into the normal cells of a column (row).
  void AutoNumberCol(int ACol);
  void AutoNumberRow(int ARow);

  // Statistics of float cells (EExtGridError for a cell that holds none); 0 over no cells.
  double ColumnSum(int ACol, int FromRow, int ToRow);
  double ColumnAvg(int ACol, int FromRow, int ToRow);
  double ColumnMin(int ACol, int FromRow, int ToRow);
  double ColumnMax(int ACol, int FromRow, int ToRow);
  double RowSum(int ARow, int FromCol, int ToCol);
  double RowAvg(int ARow, int FromCol, int ToCol);
  double RowMin(int ARow, int FromCol, int ToCol);
  double RowMax(int ARow, int FromCol, int ToCol);

  // The first cell, row by row, whose stored text is Text.
  bool IsCell(const AnsiString& Text, int& ACol, int& ARow);

  // Selection. The disjunct cell selection is a list of cells apart from the grid's own.
  bool IsSelected(int ACol, int ARow);
  bool GetSelectedCells(int ACol, int ARow) const;
  void SetSelectedCells(int ACol, int ARow, bool Value);
  int GetSelectedCellsCount() const;
  TGridCoord GetSelectedCell(int Index) const;
  void ClearSelectedCells();
  // The selected cells as text: TAB between cells, CR LF after each row.
  AnsiString SelectedText();
  void InvalidateGridRect(const TGridRect& GridRect);

  // Automatic sizing to the cells' contents.
  void AutoSizeCol(int ACol);
  void AutoSizeColumns(bool DoFixed, int Extra);
  void AutoSizeCells(bool DoFixed, int ExtraX, int ExtraY);
  void AutoSizeRow(int ARow);
  void AutoSizeRows(bool DoFixed, int Extra);
  // The row becomes as high as Lines lines of the canvas font, plus Extra.
  void SizeToLines(int ARow, int Lines, int Extra);
  // Turning it on sizes the normal columns to their contents.
  bool GetAutoSize() const { return AutoSize; }
  void SetAutoSize(bool Value);

  // Find, filter and check -------------------------------------------------------------------
  // (ExtGridCheck.cpp, ExtGridFind.cpp, ExtGridFilter.cpp, ExtGrid.cpp)
  // The cell (column, row) of the first match from one step past StartCell ((-1, -1): from
  // the start of the range), or (-1, -1).
  TPoint Find(TPoint StartCell, const AnsiString& Text, TFindParameters Params);
  TPoint FindFirst(const AnsiString& Text, TFindParameters Params);
  TPoint FindNext();
  // The first normal row whose text in the sort column (column 1 without a shown sort)
  // starts with Text in upper case; -1 for none.
  int Search(const AnsiString& Text);

  // Rows that do not match every condition of Filter are hidden while FilterActive is on.
  virtual bool MatchFilter(int ARow);
  void ApplyFilter();
  bool GetFilterActive() const;
  void SetFilterActive(bool Value);

  // Corrects or marks cell texts with CellChecker; true when no text changed.
  TExtStringGridCheck* CellChecker = nullptr;
  // Sets CellChecker so that it is cleared when the checker is freed.
  void SetCellChecker(TExtStringGridCheck* Value);
  bool CheckCell(int ACol, int ARow);
  bool CheckCells(int ACol1, int ARow1, int ACol2, int ARow2);
  bool CheckCol(bool DoFixed, int ACol);
  bool CheckRow(bool DoFixed, int ARow);
  bool CheckGrid(bool DoFixed);

  // Visual properties and cell layout --------------------------------------------------------
  // (ExtGridVisual.cpp, ExtGridCellLayout.cpp, ExtGridIndicators.cpp, ExtGridCounts.cpp,
  // ExtGridHTMLText.cpp, ExtGridView.cpp)
  // Column numbers are real columns unless a member says otherwise.

  // Settings the cell painter and the text measure read.
  bool Flat = false;  // no 3D edges, gradients or soft-look border
  bool URLShow = false;
  bool URLFull = false;       // URLs keep their protocol
  bool EnhTextSize = false;   // one-line text that does not fit ends in an ellipsis
  bool AutoNumAlign = false;  // numbers right-aligned
  bool SelectionRectangle = false;
  bool SelectionResizer = false;
  bool SelectionRTFKeep = false;  // rich text keeps its colours when selected
  TIntelliPan IntelliPan = ipVertical;
  // The painting settings of the same names, set with a repaint (Flat not while loading).
  void SetFlat(bool Value);
  void SetSelectionRectangle(bool Value) { Restyle(SelectionRectangle, Value); }
  void SetSelectionResizer(bool Value) { Restyle(SelectionResizer, Value); }

  // Cells wrap their text at the column's width (the automatic row sizing measures so).
  bool WordWrap = false;
  // Also tells the inplace editor, and repaints unless the update lock is held.
  void SetWordWrap(bool Value);
  // Cells may hold several lines; the selection's text gives such a cell as CSV text.
  bool Multilinecells = false;

  // The brush, font, state and alignment a cell is drawn (Print: printed) with. Select applies
  // the grid's selection colours; Remap takes ACol as a display column.
  void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                           bool Remap, TBrush* ABrush, TFont* AFont, TAlignment& HAlign,
                           TVAlignment& VAlign, bool& WordWrap) override;
  struct TCellAlignment {
    TAlignment HAlign;
    TVAlignment VAlign;
  };
  TCellAlignment GetCellAlignment(int ACol, int ARow);
  // The pixels the cell's text needs on the grid's canvas, margins included.
  TSize GetCellTextSize(int ACol, int ARow, bool WordWrap);
  // The anchor of an HTML cell's text under the point (client coordinates) of a display
  // column's cell ("ctrl" for a control): what hints and clicks on links ask.
  bool HTMLAnchorAt(int ACol, int ARow, int X, int Y, AnsiString& Anchor);
  // The cell's graphic with the room it takes, whether the text is drawn beside it and its
  // alignment.
  TCellGraphic* GetGraphicDetails(int ACol, int ARow, int& W, int& H, bool& DrawText, int& HAlign,
                                  int& VAlign);
  // The value of a formula cell, and the text every export writes; both the cell's text here.
  virtual AnsiString CalcCell(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
  virtual AnsiString SaveCell(int ACol, int ARow) { return GetCellEx(ACol, ARow); }

  // Cell painting ----------------------------------------------------------------------------
  // (ExtGridCellText.cpp, ExtGridIndicators.cpp, ExtGridPaint.cpp, ExtGridBackground.cpp,
  // ExtGridNodePaint.cpp, ExtGridCellBorders.cpp, ExtGridCellLayout.cpp, ExtGridGraphicPaint.cpp,
  // ExtGridHTMLText.cpp, ExtGridRichText.cpp)
  // A rich-text cell drawn into ARect.
  void RTFPaint(int ACol, int ARow, TCanvas* Canvas, TRect ARect);
  // The sort mark of column ACol centred at (X, Y).
  void DrawSortIndicator(TCanvas* Canvas, int ACol, int X, int Y);
  // Shows the dotted line of a column being sized at X; the same call again takes it away.
  void DrawSizingLine(int X);
  // The mark of the wheel-panning origin (IntelliPanOrigin), shown and taken away.
  void DrawIntelliFocusPoint();
  void EraseIntelliFocusPoint();
  void DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                    TGridDrawState AState) override;

  // Cell graphics (ExtGridCellGraphics.cpp and the files named below) ------------------------
  // Coordinates are real cells. A cell has at most one graphic; a new one replaces (frees) the
  // old. The Add forms keep the caller's object; the Create forms make an empty one the
  // graphic owns and give it to be filled.
  TCellGraphic* CreateCellGraphic(int ACol, int ARow);
  virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
  virtual TCellType GetCellType(int ACol, int ARow);  // ctEmpty without a graphic
  bool FreeCellGraphic(int ACol, int ARow);
  // Frees the graphic only when it is of that type.
  bool RemoveCellGraphic(int ACol, int ARow, TCellType CellType);

  // Bitmaps, icons, pictures (ExtGridGraphicObjects.cpp).
  void AddBitmap(int ACol, int ARow, TBitmap* Bitmap, bool Transparent, TCellHAlign HAlign,
                 TCellVAlign VAlign);
  TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign HAlign,
                        TCellVAlign VAlign);
  TBitmap* GetBitmap(int ACol, int ARow);
  bool RemoveBitmap(int ACol, int ARow) { return RemoveCellGraphic(ACol, ARow, ctBitmap); }
  void AddIcon(int ACol, int ARow, TIcon* Icon, TCellHAlign HAlign, TCellVAlign VAlign);
  TIcon* CreateIcon(int ACol, int ARow, TCellHAlign HAlign, TCellVAlign VAlign);
  bool RemoveIcon(int ACol, int ARow) { return RemoveCellGraphic(ACol, ARow, ctIcon); }
  void AddPicture(int ACol, int ARow, TPicture* Picture, bool Transparent, TStretchMode StretchMode,
                  int Value, TCellHAlign HAlign, TCellVAlign VAlign);
  TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Value,
                          TCellHAlign HAlign, TCellVAlign VAlign);
  TPicture* GetPicture(int ACol, int ARow);
  bool RemovePicture(int ACol, int ARow) { return RemoveCellGraphic(ACol, ARow, ctPicture); }
  void AddFilePicture(int ACol, int ARow, TFilePicture* Picture, bool Transparent,
                      TStretchMode StretchMode, int Value, TCellHAlign HAlign, TCellVAlign VAlign);
  TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                  int Value, TCellHAlign HAlign, TCellVAlign VAlign);
  TFilePicture* GetFilePicture(int ACol, int ARow);
  bool RemoveFilePicture(int ACol, int ARow) {
    return RemoveCellGraphic(ACol, ARow, ctFilePicture);
  }
  // Images of GridImages; nothing happens while no image list is set.
  void AddImageIdx(int ACol, int ARow, int Idx, TCellHAlign HAlign, TCellVAlign VAlign);
  bool GetImageIdx(int ACol, int ARow, int& Idx);
  bool RemoveImageIdx(int ACol, int ARow) { return RemoveCellGraphic(ACol, ARow, ctImageList); }
  // The image the cell's integer value plus Idx names.
  void AddDataImage(int ACol, int ARow, int Idx, TCellHAlign HAlign, TCellVAlign VAlign);
  bool RemoveDataImage(int ACol, int ARow) { return RemoveCellGraphic(ACol, ARow, ctDataImage); }
  // A row (Dir 0) or column of images whose index list repaints the cell when it changes;
  // null without an image list.
  TIntList* AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign HAlign, TCellVAlign VAlign);
  TIntList* GetCellImages(int ACol, int ARow);
  bool RemoveMultiImage(int ACol, int ARow) { return RemoveCellGraphic(ACol, ARow, ctImages); }
  // The image index of an image-list cell, else -1 (what the ssImages sort compares).
  int GetCellImageIdx(int ACol, int ARow);
  // One image list serves the image cells and HTML text's IMG SRC="IDX:n"; the grid does
  // not own it.
  TImageList* GetGridImages() const;
  void SetImages(TImageList* Value);

  // Check boxes and the toggling of check boxes and radio groups (ExtGridCheckBoxes.cpp). A
  // data check box shows whether the text is the cell's true value (GetCheckTrue).
  void AddCheckBox(int ACol, int ARow, bool State, bool Data);
  bool RemoveCheckBox(int ACol, int ARow);
  bool GetCheckBoxState(int ACol, int ARow, bool& State);
  bool SetCheckBoxState(int ACol, int ARow, bool State);
  // FromEdit asks GetCellReadOnly first. True when toggled.
  bool ToggleCheck(int ACol, int ARow, bool FromEdit);
  bool ToggleCheckBox(int ACol, int ARow) { return ToggleCheck(ACol, ARow, false); }
  // Selects the next item of a radio group (after the last the first).
  bool ToggleRadio(int ACol, int ARow, bool FromEdit);
  // By the graphic of the cell's base cell; a static editor is a bitmap, an icon or a data
  // check box.
  bool HasCheckBox(int ACol, int ARow);
  bool HasDataCheckBox(int ACol, int ARow);
  bool HasButton(int ACol, int ARow);
  bool HasStaticEdit(int ACol, int ARow);

  // Buttons, progress bars, comments, error markers, rotated text (ExtGridCellMarks.cpp; the
  // bit button's Create form stands with the others in ExtGridGraphicObjects.cpp).
  void AddButton(int ACol, int ARow, int W, int H, const AnsiString& Caption, TCellHAlign HAlign,
                 TCellVAlign VAlign);
  void AddBitButton(int ACol, int ARow, int W, int H, const AnsiString& Caption, TBitmap* Glyph,
                    TCellHAlign HAlign, TCellVAlign VAlign);
  TBitmap* CreateBitButton(int ACol, int ARow, int W, int H, const AnsiString& Caption,
                           TCellHAlign HAlign, TCellVAlign VAlign);
  bool RemoveButton(int ACol, int ARow);
  void PushButton(int ACol, int ARow, bool Down);
  // Where the button was last drawn, in client coordinates of the shown cell.
  TRect ButtonRect(int ACol, int ARow);
  // The bar shows the cell's integer value in percent (a text that is no integer counts 0).
  void AddProgress(int ACol, int ARow, TColor Color, TColor FontColor);
  void AddProgressEx(int ACol, int ARow, TColor Color, TColor FontColor, TColor BKColor,
                     TColor BKFontColor);
  bool RemoveProgress(int ACol, int ARow) { return RemoveCellGraphic(ACol, ARow, ctProgress); }
  void AddComment(int ACol, int ARow, const AnsiString& Comment);
  bool IsComment(int ACol, int ARow, AnsiString& Comment);
  bool RemoveComment(int ACol, int ARow) { return RemoveCellGraphic(ACol, ARow, ctComment); }
  TColor CommentColor = clRed;  // clNone hides the marks
  // The characters ErrFrom (0-based) to ErrFrom + ErrLen - 1 underlined as wrong.
  void AddMarker(int ACol, int ARow, int ErrFrom, int ErrLen);
  void RemoveMarker(int ACol, int ARow);
  bool GetMarker(int ACol, int ARow, int& ErrFrom, int& ErrLen);
  void AddRotated(int ACol, int ARow, int Angle, const AnsiString& Text);
  void SetRotated(int ACol, int ARow, int Angle);
  bool IsRotated(int ACol, int ARow, int& Angle);
  bool RemoveRotated(int ACol, int ARow) { return RemoveCellGraphic(ACol, ARow, ctRotated); }

  // The room a graphic adds to its cell for automatic sizing (ExtGridGraphicSize.cpp), and for
  // printing, where pictures take Width x Height and scale by Factor.
  virtual TSize GetCellGraphicSize(int ACol, int ARow);
  virtual TSize GetPrintGraphicSize(int ACol, int ARow, int Width, int Height, double Factor);
  // The themed look: the visual styles are there and active.
  bool IsWinXP;

  // Pictures ---------------------------------------------------------------------------------
  // (ExtGridPictures.cpp)
  // Pictures of HTML cell text: the grid's own cache of pictures by address, and the
  // container of named pictures it may point to (null again when the container is freed).
  THTMLPictureCache* GetPictureCache();
  TPictureContainer* GetPictureContainer() const;
  void SetPictureContainer(TPictureContainer* Value);

  // Scrolling, sizing and the footer ---------------------------------------------------------
  // (ExtGridScrollBars.cpp, ExtGridStretch.cpp, ExtGridFooter.cpp)
  TFloatingFooter FloatingFooter{this};
  TFooterPanel* GetFooterPanel() const;
  void FloatFooterUpdate() override;
  void UpdateFooter();
  // The scroll bars' look; a proportional bar's thumb shows the share of the grid shown.
  void SetScrollType(TScrollType Value);
  void SetScrollColor(TColor Value);
  void SetScrollWidth(int Value);
  bool GetScrollProportional() const;
  void SetScrollProportional(bool Value);
  void UpdateVScrollBar();
  void UpdateHScrollBar();
  // Dragging a thumb shows "Row : n" ("Col : n") and, with ScrollSynch, scrolls along.
  bool ScrollSynch = false;
  TScrollHintType ScrollHints = shNone;
  // Column ACol (-1: the last) takes what the client width leaves, with ColumnSize.Stretch.
  void StretchColumn(int ACol);
  void StretchRightColumn() { StretchColumn(-1); }
  // ColumnSize.Stretch, stretching ColumnSize.StretchColumn at once.
  void SetColumnStretch(bool Value);
  void ScreenToCell(TPoint Point, int& ACol, int& ARow);
  // Within 4 pixels of a border that sizes with the mouse.
  bool InSizeZone(int X, int Y);

  // The column calculations of the floating footer into the last row (ACol -1: every
  // column); nothing while no footer of the fixed-last-row style shows. Texts that are no
  // number are passed over, and no data rows give 0.
  void CalcFooter(int ACol);

  // Drawing of cell graphics and controls ----------------------------------------------------
  // (ExtGridCheckPaint.cpp, ExtGridCellMarkPaint.cpp, ExtGridGraphicPaint.cpp)
  // The check box and radio button steps of the cell painter, by ControlLook's style; a
  // bitmap look puts Background in place of the bitmap's own.
  void DrawCheck(TCanvas* Canvas, TColor Background, bool Checked, bool Enabled,
                 TGridControlStyle Style, const TRect& R);
  void DrawRadio(TCanvas* Canvas, TColor Background, int Count, bool Enabled, bool Horizontal,
                 int Index, const TStrings* Captions, const AnsiString& CellText, const TRect& R);
  // Where a rotated text starts so that it lies in R by the alignments, measured in the
  // canvas's font.
  TPoint CalcTextPos(TCanvas* Canvas, const TRect& R, int Angle, const AnsiString& Text,
                     TAlignment Alignment, TVAlignment VAlignment);

  // Timers, wheel panning and hints ----------------------------------------------------------
  // (ExtGridTimer.cpp, ExtGridWheel.cpp, ExtGridHints.cpp)
  // The grid timer: the cell under a hovering mouse becomes current; blink tags blink.
  bool Hovering = false;
  bool EnableBlink = false;
  bool GetBlinkOn() const;
  // Wheel panning with the middle button runs until the next button or key.
  bool GetPanning() const;
  // The lines a wheel notch moves.
  int WheelLines;
  // Cell hints: the cell's text over it (HintShowCells, or HintShowLargeText where it does
  // not fit), as HTML with HTMLHint; the link's value over a link with AnchorHint.
  bool HintShowCells = false;
  bool HintShowLargeText = false;
  bool HTMLHint = false;
  bool AnchorHint = false;
  void ShowHintProc(AnsiString& HintStr, bool& CanShow, THintInfo& HintInfo);
  THTMLHintWindow* GetHintWindow() const;

  // Keys and navigation ----------------------------------------------------------------------
  // (ExtGridKeys.cpp, ExtGridAdvance.cpp, ExtGridDialogChar.cpp)
  // Moves to the next (previous) editable cell after the block holding (ACol, ARow), in
  // Navigation.AdvanceDirection, when AdvanceOnEnter or Force; adds a row or column at the end
  // with AdvanceInsert.
  void AdvanceEdit(int ACol, int ARow, bool Forward, bool ShowEditor, bool Force);
  // One step left or right over merged blocks, wrapping between rows.
  void TabEdit(bool Backward);

  // Mouse ------------------------------------------------------------------------------------
  // (ExtGridMouse.cpp, ExtGridEnhMove.cpp, ExtGridMouseSelect.cpp, ExtGridSelectionResizer.cpp,
  // ExtGridSizingHint.cpp, ExtGridBasePress.cpp, ExtGridFixedButtons.cpp, ExtGridHeaderClick.cpp,
  // ExtGridAdvance.cpp, ExtGridFormResize.cpp, ExtGridKeys.cpp, ExtGridSizing.cpp)
  // The new width or height shows in the hint window while a column, a row or the first
  // column is sized by the mouse (ExtGridSizingHint.cpp).
  bool HintShowSizing = false;
  // A right click on a URL cell (with URLShow) edits it.
  bool URLEdit = false;
  // The grid grows and shrinks with its owner form (GridResize).
  bool SizeWithForm = false;

  // Inplace editing --------------------------------------------------------------------------
  // (ExtGridEditing.cpp, ExtGridEditText.cpp, ExtGridSelectCell.cpp, ExtGridEditControls.cpp,
  // ExtGridValidate.cpp, ExtGridView.cpp)
  // One edit at a time, with the editor its cell's GetCellEditor chooses; the text editor is
  // ExtInplaceEdit.h.
  bool Lookup = false;  // the inplace edit completes from LookupItems
  bool LookupCaseSensitive = false;
  bool LookupHistory = false;  // a text left in the inplace edit joins LookupItems
  bool ExcelStyleDecimalSeparator = false;  // the keypad's "." types the decimal separator
  TEditorType GetEditorType() const;
  void ShowInplaceEdit();
  // Ends the open edit: the editor hides and writes its value back.
  void HideInplaceEdit();
  void ShowCellEdit();  // as F2 would
  void HideCellEdit() { HideEditControl(GetCol(), GetRow()); }
  // The cell's text from when the edit began, written back.
  void RestoreCache();
  // Whether the press that opened the edit places the caret; asked once, by the editor that
  // takes the focus.
  bool TakeCaretClick();
  // Whether an editor control's text is the one it opened with: an untouched value is never
  // written back.
  bool EditorValueUntouched(const AnsiString& Text) const;
  // Writes the shown editor control's value into the current cell as its hiding would and
  // validates it; false when refused (the control then shows the cell's text again).
  bool ControlValueAccepted();
  // The control lost the focus to its grid with a refused value: the cell the click selects
  // is refused once, and the control takes the focus back.
  void KeepRefusedEdit();
  // A key ended an editor control's edit: Tab and the arrows move on, Return advances.
  void DoneInplaceEdit(WORD Key, TShiftState Shift);
  virtual AnsiString EllipsClick(const AnsiString& S);
  bool IsPassword(int ACol, int ARow);

  // Handed to the inplace editor as its length limit.
  int GetMaxEditLength() const;
  void SetMaxEditLength(int Value);

  // Editor controls and the edit link --------------------------------------------------------
  // (ExtGridCombo.cpp, ExtGridEditControls.cpp)
  // The items of the combo editor, shared by every combo edit.
  void ClearComboString();
  void AddComboString(const AnsiString& S) { AddComboStringObject(S, nullptr); }
  void AddComboStringObject(const AnsiString& S, TObject* AObject);
  bool RemoveComboString(const AnsiString& S);
  // The item a combo-list edit of a cell whose text is in no item selects (-1: the first).
  void SetComboSelection(int Index);
  bool SetComboSelectionString(const AnsiString& S);
  int GetComboCount();
  // The editor controls (made at their first edit, owned by the grid).
  const TGridEditors& GetEditors() const;
  // The application's editor of edCustom cells (not owned; empty once it is freed).
  TComponentLink<TEditLink> EditLink;
  virtual TEditLink* GetCellEditLink(int /*ACol*/, int /*ARow*/) { return EditLink; }

  // Binary grid stream and clipboard ---------------------------------------------------------
  // (ExtGridClipboard.cpp, ExtGridBinStream.cpp, ExtGridPaste.cpp, ExtGridEditing.cpp)
  // The grid allows editing and neither GetCellReadOnly nor GetCellFixed keeps the cell.
  bool IsEditable(int ACol, int ARow);
  // The clipboard's text gives a cell of several lines as a quoted CSV text, and takes it so.
  bool MultiLineClipboard = false;

  // The binary grid stream: a rectangle of cells with their properties and graphics (pictures
  // not yet); loading a whole grid's stream resets the grid to it. A damaged stream raises
  // EStreamError and changes nothing.
  void SaveRectToBinStream(const TRect& R, TStream* Stream);
  void SaveToBinStream(TStream* Stream);
  void SaveToBinFile(const AnsiString& FileName);
  void LoadAtPointFromBinStream(const TPoint& P, TStream* Stream);
  void LoadFromBinStream(TStream* Stream) { LoadAtPointFromBinStream(TPoint(0, 0), Stream); }
  void LoadFromBinFile(const AnsiString& FileName);

  // The clipboard: text, rich text (AllowRTFClipboard) and the grid's own cells
  // (AllowFmtClipboard) together.
  enum TClipOperation { coCut, coCopy };
  void CopyToClipBoard();
  void CopySelectionToClipboard();
  void CutToClipboard();
  void CutSelectionToClipboard();
  void PasteFromClipboard();
  // Fills the selection from one pasted value or continues a pasted series in it
  // (AllowSmartClipboard).
  void PasteSelectionFromClipboard();
  // The fields taken from the text (0 for the grid's cells and rich text).
  int PasteFunc(int ACol, int ARow);
  int PasteText(int ACol, int ARow, const char* Text);
  TPoint PasteSize(const char* Text);
  // Told after a paste of the last copy's origin, the rectangle pasted and the operation.
  virtual void PasteNotify(const TPoint& /*Origin*/, const TGridRect& /*R*/,
                           TClipOperation /*Operation*/) {}

  // Inplace edit control ---------------------------------------------------------------------
  // Told of the inplace edit's text as it is typed.
  virtual void EditProgress(const AnsiString& /*Value*/, TPoint /*Pt*/, int /*Pos*/) {}

  // Print layout -----------------------------------------------------------------------------
  // (ExtGridPrintLayout.cpp, ExtGridPrintMeasure.cpp, ExtGridPrintRow.cpp, ExtGridPrint.cpp,
  // ExtGridPrintHeader.cpp, ExtGridPrintControls.cpp, ExtGridPrintHTML.cpp)
  // Lays the range out on pages of the output rectangle and, for prPrint and prPreview, draws
  // the pages to output on Canvas (in MM_LOMETRIC). Answers the number of pages.
  int BuildPages(TCanvas* Canvas, TPrintMethod Method, int MaxPages, bool SelectedOnly);
  // The pages the last preview laid out.
  int GetPreviewPageCount() const;
  // The most lines of any cell's text (of one row's); 1 without Multilinecells.
  int MaxLinesInGrid();
  int MaxLinesInRow(int ARow);
  // The bitmap stretched into Rect of the canvas, by copy or by the raster operation Rop.
  void PrintBitmap(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap);
  void PrintBitmapRop(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, TCopyMode Rop);
  // How far the current printer turns landscape pages (degrees; 0 without landscape).
  int PrinterOrientationAngle();

  // Printing (ExtGridPrint*.cpp). Ranges are display cells; sizes on the page are tenths of
  // a millimetre. Print and PrintRect print every row of the range on the program's printer,
  // the SelectedRows forms the selected rows of all columns. A preview draws the pages from
  // the first to the last page to output (SetPreviewPage) into DisplayRect (device pixels)
  // of Canvas; PrintDraw draws the range as one page into Rect.
  TPrintSettings PrintSettings;
  void Print();
  void PrintRect(const TGridRect& GridRect);
  void PrintSelectedRows();
  void PrintPreview(TCanvas* Canvas, TRect DisplayRect);
  void PrintPreviewRect(TCanvas* Canvas, TRect DisplayRect, const TGridRect& GridRect);
  void PrintPreviewSelectedRows(TCanvas* Canvas, TRect DisplayRect);
  void SetPreviewPage(int Value);
  void PrintDraw(TCanvas* Canvas, TRect Rect);
  void PrintDrawRect(TCanvas* Canvas, TRect Rect, const TGridRect& GridRect);
  // The print settings in one section of a settings file.
  void SavePrintSettings(const AnsiString& FileName, const AnsiString& Section);
  void LoadPrintSettings(const AnsiString& FileName, const AnsiString& Section);
  // The column widths at the place ColumnSize names; nothing without a key and a section.
  void SaveColSizes();
  void LoadColSizes();

  // Text files and exports -------------------------------------------------------------------
  // (ExtGridTextFile.cpp, ExtGridView.cpp, ExtGridFixed.cpp, ExtGridCSV.cpp,
  // ExtGridFileProgress.cpp, ExtGridASCII.cpp, ExtGridHTML.cpp, ExtGridXML.cpp)
  // The cells the exports write: all with SaveFixedCells, else the normal ones.
  int GetSaveStartCol() const;
  int GetSaveStartRow() const;
  int GetSaveEndCol() const;
  int GetSaveEndRow() const;
  int GetSaveColCount() const { return GetSaveEndCol() - GetSaveStartCol() + 1; }
  int GetSaveRowCount() const { return GetSaveEndRow() - GetSaveStartRow() + 1; }

  // CSV: "~" for a line break and "^" for an empty cell; texts in the OEM code page.
  bool JavaCSV = false;
  bool OemConvert = false;

  // The grid's text file, and the same records on a stream from its position. A file's
  // failures raise EExtGridError with the file's name.
  void SaveToFile(const AnsiString& FileName);
  void LoadFromFile(const AnsiString& FileName);
  void SaveToStream(TStream* Stream);
  void LoadFromStream(TStream* Stream);
  // CSV (the separator is Delimiter, or "," when it is automatic); reading detects it.
  void SaveToCSV(const AnsiString& FileName) { OutputToCSV(FileName, false); }
  void AppendToCSV(const AnsiString& FileName) { OutputToCSV(FileName, true); }
  void OutputToCSV(const AnsiString& FileName, bool Append);
  void LoadFromCSV(const AnsiString& FileName) { InputFromCSV(FileName, false); }
  void InsertFromCSV(const AnsiString& FileName) { InputFromCSV(FileName, true); }
  void InputFromCSV(const AnsiString& FileName, bool Insert);
  // Fixed-width columns: Widths gets the missing widths (the longest line + 1); Positions are
  // 1-based, n positions giving n - 1 fields.
  void SaveToFixed(const AnsiString& FileName, TIntList& Widths);
  void LoadFromFixed(const AnsiString& FileName, const TIntList& Positions);
  // The longest line of a shown column's export texts.
  int MaxCharsInCol(int ACol);
  // Every cell aligned in columns as wide as their longest line.
  void SaveToASCII(const AnsiString& FileName);
  void SaveToHTML(const AnsiString& FileName) { OutputToHTML(FileName, false); }
  void AppendToHTML(const AnsiString& FileName) { OutputToHTML(FileName, true); }
  void OutputToHTML(const AnsiString& FileName, bool Append);
  // FieldDescr names the fields (FIELD0, FIELD1, ... where it has no name).
  void SaveToXML(const AnsiString& FileName, const AnsiString& ListDescr,
                 const AnsiString& RecordDescr, const TStrings* FieldDescr);

  // Drag and drop between programs (ExtGridOleDrag.cpp, esgdd.h). The mouse code calls
  // OleDragCell once a press on a selected cell has moved on with OleDropSource on: it asks
  // OnOleDrag (false when refused: the mouse selects instead), drags the column of a fixed
  // row (OleColumnDragDrop) or the selected cells, and removes or clears them after a move.
  bool OleDragCell(int ACol, int ARow);
  TGridOleState& OleState();

  // Spreadsheets, word processors and databases (ExtGridOfficeXLS.cpp, ExtGridOfficeDOC.cpp,
  // ExtGridOfficeMDB.cpp). Without SaveFixedCells loaded data lands after the fixed rows and
  // columns and saves leave them out. A sheet is read from .xlsx or .xls (formulas give their
  // stored results); saving with a sheet name writes that sheet into an existing workbook and
  // keeps the others. The legacy .xls and .doc targets need the office suite's converter.
  void LoadFromXLS(const AnsiString& FileName);
  void LoadFromXLSSheet(const AnsiString& FileName, const AnsiString& SheetName);
  void SaveToXLS(const AnsiString& FileName);
  void SaveToXLSSheet(const AnsiString& FileName, const AnsiString& SheetName);
  // A table with the cells' texts and their left, centred or right alignment.
  void SaveToDOC(const AnsiString& FileName);
  // The records of the statement on an Access database file, the field names in the last
  // fixed row. A FileName holding "=" is a whole ODBC connection text (a DSN or a driver with
  // its attributes), so any ODBC source serves.
  void LoadFromMDBTable(const AnsiString& FileName, const AnsiString& Table);
  void LoadFromMDBSQL(const AnsiString& FileName, const AnsiString& SQL);

 protected:
  // Object model and settings
  void Paint() override;
  void CreateWnd() override;
  void DoEnter() override;

  // Cell access, marking and selection
  // Right of the fixed columns and below the fixed rows; the normal area also ends before the
  // right fixed columns and the footer rows.
  bool IsNormalCell(int ACol, int ARow) const {
    return ACol >= GetFixedCols() && ARow >= GetFixedRows();
  }
  bool InNormalArea(int ACol, int ARow) const;

  // Column grid hooks
  // The size a column is given by the user (UpdateColSize) or by automatic sizing
  // (UpdateAutoColSize); the base asks OnUpdateColumnSize.
  virtual void UpdateColSize(int ACol, int& AWidth) {
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
  }
  virtual void UpdateAutoColSize(int ACol, int& AWidth) {
    TExtStringGrid::UpdateColSize(ACol, AWidth);
  }
  // ColumnHeaders changed.
  virtual void UpdateColHeaders() {}

  // Hidden rows and columns, nodes, grouping
  // Rows taken out of the grid by hiding, filtering and nodes, with their objects.
  THiddenRows HiddenRows;
  // The hidden rows' slots count as well as the cells'.
  void CountReferences(TPropertyReferences& References) const override;

  // Find, filter and check
  // A cell checker being freed is no longer the grid's.
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Visual properties and cell layout
  void WMNCPaint(TCanvas& WindowCanvas) override;
  void NCPaintProc(TCanvas& WindowCanvas);

  // Scrolling, sizing and the footer
  void WMVScroll(TWMScroll& Message) override;
  void WMHScroll(TWMScroll& Message) override;
  void SizeChanged(int OldColCount, int OldRowCount) override;
  void ColWidthsChanged() override;
  void RowHeightsChanged() override;
  void Resize() override;
  void TopLeftChanged() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // Timers, wheel panning and hints
  void WMTimer(int TimerID) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void WMMButtonDown(TWMMouse& Message) override;
  void CMHintShow(THintInfo& HintInfo) override;

  // Keys and navigation
  void KeyPress(char& Key) override;
  // A character typed into the grid starts the edit; an editor control gets it when shown.
  void WMChar(TWMChar& Message) override;
  // Every key and button press (WMLButtonDown, WMRButtonDown) also ends wheel panning.
  void WMKeyDown(TWMKeyDown& Message) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  // Plain dialog characters stay with the grid, so its editor controls take only Alt ones.
  bool CMDialogChar(char Key, TShiftState Shift) override;

  // Mouse
  // OnColumnSize and OnRowSize may refuse sizing at the borders of row 0 and column 0.
  void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                       int& SizingOfs) override;
  void WMLButtonDown(TWMMouse& Message) override;
  void WMLButtonUp(TWMMouse& Message) override;
  void WMRButtonDown(TWMMouse& Message) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  // Auto-sizes a column from a border in row 0; elsewhere the class library's double click,
  // then OnDblClickCell with the cell under the mouse.
  void WMLButtonDblClk(TWMMouse& Message) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  // With EnhRowColMove the floating window and the arrows show the move, not the base line.
  bool DrawsMoveLine() const override { return !EnhRowColMove; }
  // Selects the item of the cell's radio group under (X, Y), relative to the cell.
  void HandleRadioClick(int ACol, int ARow, int X, int Y);
  // Installed as the owner form's OnResize: with SizeWithForm the grid's size follows the
  // form's; then the form's former handler (whose exceptions are swallowed) and the stretch
  // column.
  virtual void GridResize(TObject* Sender);
  // A click the mouse code has yet to finish.
  bool ClickPending = false;
  // Set by the mouse code while a disjunct row selection is dragged, by the editing code while
  // an editor control other than the inplace edit shows, and by wheel panning (its origin).
  bool RowSelectDragging = false;
  bool EditControlShown = false;
  // Set while AdvanceEdit moves the current cell.
  bool Navigating = false;
  // The incremental key search's text; navigation keys and Clear empty it.
  AnsiString SearchText;
  TPoint IntelliPanOrigin;

  // Inplace editing
  // The inplace editor's text of a display column.
  AnsiString GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const AnsiString& Value) override;

  bool CanEditShow() override;
  TInplaceEdit* CreateEditor() override;
  bool MultiLineEditor() override;
  bool SelectCell(int ACol, int ARow) override;
  bool FooterLetsSelect(int ACol, int ARow);

  // The editing state: an edit is open, a validation runs, or every end of an edit validates.
  bool EditActive = false;
  bool Validating = false;
  bool ForceValidation = false;

  // Editor controls and the edit link
  void ShowEditControl(int ACol, int ARow);
  void HideEditControl(int ACol, int ARow);
  // True when it wrote a changed value.
  bool WriteControlValue(int ACol, int ARow);
  void ReloadControl();
  void DoneEditing() {
    if (OnEditingDone) OnEditingDone(this);
  }

  // Binary grid stream and clipboard
  void CopyFunc(const TGridRect& R, bool SelectedRowsOnly);
  void CopyRTFFunc(int ACol, int ARow);
  void CopyBinFunc(const TGridRect& R);

 private:
  friend class TExtInplaceEdit;
  friend class TFloatingFooter;
  friend class TFooterPanel;

  // The private state: one object per concern, all owned through d_ (ExtGridPrivate.h), each
  // type defined in the private header named beside it and included only by the files that
  // use it.
  struct Private;
  struct CoreState;    // ExtGridCoreState.h: update lock, notifiers, validation, form resize
  struct PaintState;   // paint/PaintState.h: fonts, look, pictures, footer panel, scroll bars
  struct LineState;    // cells/LineState.h: footers, selections, nodes, grouping, sizing
  struct InputState;   // input/InputState.h: hints, panning, mouse presses and moves
  struct ClipState;    // files/ClipState.h: the last copy's origin and operation
  struct ClipContent;  // files/ClipState.h: a copy's formats held apart from the clipboard
  std::unique_ptr<Private> d_;

  // The private steps: one class per concern, made on the grid when needed and holding only a
  // reference to it, defined in the private header named beside it.
  class FormResize;    // FormResize.h: the owner form's OnResize, taken over and handed back
  class TextOperations;  // TextOperations.h: cell texts found, checked, marked and filled
  class Sorting;       // Sorting.h: the quick sort's steps, its passes and the rows' comparisons
  class Nodes;         // Nodes.h: closing nodes, their levels and the statistics of groups
  class Lines;         // cells/Lines.h: rows and columns exchanged, removed, hidden, merged, sized
  class CellGraphics;  // cells/CellGraphics.h: making, finding and sizing cell graphics
  class Painting;      // paint/Painting.h: the steps that paint cells and the marks over them
  class ScrollBars;    // paint/ScrollBars.h: the scroll bars' flat look and thumb hints
  class Timers;        // input/Timers.h: the grid timer's steps and wheel panning
  class Keys;          // input/Keys.h: keys, the wheel's notch, advancing, opening the editor
  class Mouse;         // input/Mouse.h: presses, moves and releases of the mouse on the grid
  class CopyPaste;     // files/CopyPaste.h: copy, cut and paste of cells, the smart paste's fill
  class BinStream;     // files/BinStream.h: a binary grid stream read whole, then placed
  class FileIO;        // files/FileIO.h: what file readers and writers share, sheets, databases
  class Printing;      // printing/Printing.h: page layout and drawing of a print run
  class OleDrag;       // dragdrop/OleDrag.h: the press that waits to drag, the drop target

  // The look setters' one step: a changed value repaints.
  template <typename T>
  void Restyle(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }
};
