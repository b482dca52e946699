// TExtStringGrid: the full grid control. This header gives the object itself: its settings
// objects and their defaults, the look settings it holds for the painting code, the virtual
// cell hooks (each applies the built-in rule, then fires the user's event), the update lock,
// the validation of an edited cell, the window and component life, and every event. Sorting,
// hiding, editing, painting, printing, import and export add their members in files of their
// own (ExtGrid*.cpp).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "components/grid/BaseGrid.h"
#include "components/grid/ComponentLink.h"
#include "components/grid/DragDropSettings.h"
#include "components/grid/ExtGridEvents.h"
#include "components/grid/FileSettings.h"
#include "components/grid/GridChangeNotifier.h"
#include "components/grid/GridFilter.h"
#include "components/grid/GridItem.h"
#include "components/grid/HTMLDraw.h"
#include "components/grid/HTMLPictureCache.h"
#include "components/grid/InputSettings.h"
#include "components/grid/LookSettings.h"
#include "components/grid/PictureContainer.h"
#include "components/grid/RichText.h"
#include "components/grid/SortCompare.h"
#include "components/grid/SortIndexList.h"
#include "components/grid/SortKeys.h"
#include "components/grid/SortSettings.h"
#include "components/grid/UpdateLock.h"

class FormResizeLink;

class TExtStringGrid : public TBaseGrid {
 public:
  explicit TExtStringGrid(TComponent* AOwner);
  ~TExtStringGrid() override;

  // Cell access, marking and selection ------------------------------------------------------
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
  void SetDefRowHeightEx(int Value) { SetDefaultRowHeight(Value); }
  // The width (height) of the first column (row); setting gives it to every fixed one.
  int GetFixedColWidth() const { return ColWidths(0); }
  void SetFixedColWidth(int Value);
  int GetFixedRowHeight() const { return RowHeights(0); }
  void SetFixedRowHeight(int Value);
  // Rows at the bottom and columns at the right that are fixed too; they repaint when set.
  int GetFixedFooters() const { return fixedFooters_; }
  void SetFixedFooters(int Value);
  int GetFixedRightCols() const { return fixedRightCols_; }
  void SetFixedRightCols(int Value);
  // Rounds the height to whole default rows when the bounds are set; setting applies it.
  bool GetIntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool Value);
  // The gradient of fixed cells in the soft and Orvik looks; setting repaints.
  TColor GetOrvikGradFrom() const { return orvikGradFrom_; }
  void SetOrvikGradFrom(TColor Value) { Restyle(orvikGradFrom_, Value); }
  TColor GetOrvikGradTo() const { return orvikGradTo_; }
  void SetOrvikGradTo(TColor Value) { Restyle(orvikGradTo_, Value); }
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
  // real column's display column (every column shows while none is hidden).
  int RemapRow(int RealRow) const;
  int RemapColInv(int RealCol) const { return RealCol; }
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

  // Every column and row grows by Delta while the zoom level stays within -10 to 10; a
  // size that would not stay positive is kept.
  void Zoom(int Delta);
  int GetZoomLevel() const { return zoomLevel_; }
  // A column's printed width and left offset in the last print layout (columns 0 to 511).
  int GetPrintColWidth(int ACol) const;
  int GetPrintColOffset(int ACol) const;

  // The columns whose equal neighbouring cells merge after a sort, the first leading.
  const std::vector<int>& GetMergedColumns() const { return mergedColumns_; }
  void SetMergedColumns(const std::vector<int>& Value);
  void ApplyColumnMerge();
  void UndoColumnMerge();

 protected:
  // The inplace editor's text of a display column.
  AnsiString GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const AnsiString& Value) override;
  // OnColumnSize and OnRowSize may refuse sizing at the borders of row 0 and column 0.
  void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                       int& SizingOfs) override;

 public:
  // End of cell access, marking and selection -----------------------------------------------

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

  TFont* GetFixedFont() const { return fixedFont_.get(); }
  void SetFixedFont(const TFont* Value) { fixedFont_->Assign(*Value); }
  TFont* GetActiveCellFont() const { return activeCellFont_.get(); }
  void SetActiveCellFont(const TFont* Value) { activeCellFont_->Assign(*Value); }
  TBitmap* GetRowIndicator() const { return rowIndicator_.get(); }
  void SetRowIndicator(const TBitmap* Value);

  // Pictures of HTML cell text: the grid's own cache of pictures by address, and the
  // container of named pictures it may point to (null again when the container is freed).
  THTMLPictureCache* GetPictureCache() { return &pictureCache_; }
  TPictureContainer* GetPictureContainer() const { return pictureContainer_.Get(); }
  void SetPictureContainer(TPictureContainer* Value);
  // The images of HTML text's IMG SRC="IDX:n"; the grid does not own them.
  TImageList* GridImages = nullptr;

  // Look settings that repaint when set.
  bool GetActiveCellShow() const { return activeCellShow_; }
  void SetActiveCellShow(bool Value) { Restyle(activeCellShow_, Value); }
  TColor GetActiveCellColor() const { return activeCellColor_; }
  void SetActiveCellColor(TColor Value) { Restyle(activeCellColor_, Value); }
  TPoint GetXYOffset() const { return xyOffset_; }
  void SetXYOffset(TPoint Value) { Restyle(xyOffset_, Value); }
  TColor GetSelectionColor() const { return selectionColor_; }
  void SetSelectionColor(TColor Value) { Restyle(selectionColor_, Value); }
  TColor GetSelectionTextColor() const { return selectionTextColor_; }
  void SetSelectionTextColor(TColor Value) { Restyle(selectionTextColor_, Value); }
  bool GetShowSelection() const { return showSelection_; }
  void SetShowSelection(bool Value) { Restyle(showSelection_, Value); }
  // Repaints unless the update lock is held.
  TVAlignment GetVAlignment() const { return vAlignment_; }
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
  // The CSV and text file writers: fixed cells saved, hidden ones not, empty cells quoted.
  char Delimiter = '\0';  // automatic
  bool SaveFixedCells = true;
  bool SaveHiddenCells = false;
  bool QuoteEmptyCells = true;
  bool AlwaysQuotes = false;

  // The fixed rows (columns), but 1 when there are none and one is always kept.
  int GetFixedRowsEx() const;
  int GetFixedColsEx() const;
  // The real column of a display column; every column shows while none is hidden.
  int RemapCol(int DisplayCol) const { return DisplayCol; }

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

  // The column calculations of the floating footer; nothing while no footer calculates.
  void CalcFooter(int /*ACol*/) {}

  // Writes ColumnHeaders into row 0 (RowHeaders into column 0) while there are fixed rows
  // (columns); "\n" in a header stands for a line break.
  void ShowColumnHeaders();
  void ShowRowHeaders();

  void RegisterNotifier(TGridChangeNotifier* Notifier);
  void UnRegisterNotifier(TGridChangeNotifier* Notifier);

  // The update lock: no painting while it is held; the outermost EndUpdate repaints.
  void BeginUpdate() { updateLock_.Begin(); }
  void EndUpdate();
  void ResetUpdate() { updateLock_.Reset(); }
  bool GetLockFlag() const { return updateLock_.Locked(); }
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

 protected:
  void Paint() override;
  void CreateWnd() override;
  void DoEnter() override;
  // Installed as the owner form's OnResize; runs the form's former handler (whose exceptions
  // are swallowed).
  virtual void GridResize(TObject* Sender);

  // The editing state: an edit is open, a validation runs, or every end of an edit validates.
  bool EditActive = false;
  bool Validating = false;
  bool ForceValidation = false;
  // A click the mouse code has yet to finish.
  bool ClickPending = false;
  // Rows taken out of the grid by hiding, filtering and nodes, with their objects.
  TGridCollection<TGridItem> HiddenRows;

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
  // No column hides until column hiding is built; it replaces this.
  int NumHiddenColumns() const { return 0; }

  // Sorting, rows and columns
 public:
  // The columns of an indexed sort, in the order they decide.
  TSortIndexList SortIndexes;

  // -1, 0 or 1 (negative: ARow1 first in ascending order) by the column's sort style
  // (GetColFormat) on the cells' display texts; SortSettings places empty cells.
  // CompareLine lets the columns to the right break a tie while SortSettings.Full is on;
  // CompareLineIndexed the following entries of SortIndexes, each in its own direction.
  int Compare(int ACol, int ARow1, int ARow2) {
    const TSortKeys::Column* column = SortColumn(ACol);
    if (column && column->Holds(ARow1, ARow2)) return CompareKeys(*column, ARow1, ARow2);
    return CompareCells(ACol, ARow1, ARow2, column);
  }
  int CompareLine(int ACol, int ARow1, int ARow2);
  int CompareLineIndexed(int Index, int ARow1, int ARow2);
  // Sort the normal rows above the footer rows by SortSettings.Column (QSort) or by
  // SortIndexes (QSortIndexed), inside the update lock, the current row kept. The sorts are
  // not stable: rows that tie may change their order.
  void QSort();
  void QSortIndexed();
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

  // Cells wrap their text at the column's width (the automatic row sizing measures so).
  bool WordWrap = false;
  // Cells may hold several lines; the selection's text gives such a cell as CSV text.
  bool Multilinecells = false;

  // Clearing: texts emptied, cell properties freed; the counts stay.
  virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
  void ClearRows(int ARow, int Count);
  void ClearCols(int ACol, int Count);
  // Every cell but the fixed ones, the right fixed columns and the footer rows.
  void ClearNormalCells();
  void Clear();
  void ClearSelection();

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
  int GetSelectedCellsCount() const { return static_cast<int>(selectedCells_.size()); }
  TGridCoord GetSelectedCell(int Index) const { return selectedCells_.at(Index); }
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

  // Visual properties, cell layout and painting ----------------------------------------------
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
  // The font of every printed cell; the print settings take it over when they are built.
  TFont* GetPrintFont() const { return printFont_.get(); }

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
  // alignment. No cell carries a graphic until cell graphics are built: nil, 0 x 0, text drawn.
  TCellGraphic* GetGraphicDetails(int ACol, int ARow, int& W, int& H, bool& DrawText, int& HAlign,
                                  int& VAlign);
  // A rich-text cell drawn into ARect.
  void RTFPaint(int ACol, int ARow, TCanvas* Canvas, TRect ARect);
  // The sort mark of column ACol centred at (X, Y).
  void DrawSortIndicator(TCanvas* Canvas, int ACol, int X, int Y);
  // Shows the dotted line of a column being sized at X; the same call again takes it away.
  void DrawSizingLine(int X);
  // The mark of the wheel-panning origin (IntelliPanOrigin), shown and taken away.
  void DrawIntelliFocusPoint();
  void EraseIntelliFocusPoint();
  // The value of a formula cell, and the text every export writes; both the cell's text here.
  virtual AnsiString CalcCell(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
  virtual AnsiString SaveCell(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
  // Told of the inplace edit's text as it is typed.
  virtual void EditProgress(const AnsiString& /*Value*/, TPoint /*Pt*/, int /*Pos*/) {}
  // Rotated cell text and error markers are cell graphics; none until those are built.
  bool IsRotated(int /*ACol*/, int /*ARow*/, int& /*Angle*/) const { return false; }
  bool GetMarker(int /*ACol*/, int /*ARow*/, int& /*ErrFrom*/, int& /*ErrLen*/) const {
    return false;
  }
  void DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                    TGridDrawState AState) override;

 protected:
  // Set by the mouse code while a disjunct row selection is dragged, by the editing code while
  // an editor control other than the inplace edit shows, and by wheel panning (its origin).
  bool RowSelectDragging = false;
  bool EditControlShown = false;
  TPoint IntelliPanOrigin;
  // Right of the fixed columns and below the fixed rows; the normal area also ends before the
  // right fixed columns and the footer rows.
  bool IsNormalCell(int ACol, int ARow) const {
    return ACol >= GetFixedCols() && ARow >= GetFixedRows();
  }
  bool InNormalArea(int ACol, int ARow) const;
  void WMNCPaint(TCanvas& WindowCanvas) override;
  void NCPaintProc(TCanvas& WindowCanvas);

 private:
  // Cell access, marking and selection ------------------------------------------------------
  int fixedFooters_ = 0;
  int fixedRightCols_ = 0;
  bool integralHeight_ = false;
  TColor orvikGradFrom_ = clSilver;
  TColor orvikGradTo_ = clWhite;
  TCursor normalCursor_ = crDefault;
  std::array<int16_t, 513> allColWidths_{};  // the real columns hiding can keep
  std::vector<uint8_t> rowSelect_;           // 1: the row is selected
  int zoomLevel_ = 0;
  std::array<int, 512> printColWidths_{};
  std::array<int, 512> printColOffsets_{};
  std::vector<int> mergedColumns_;

  // The cells of a marking or fill: all, or the normal ones.
  TGridRect CellRange(bool DoFixed) const;
  // Gives each cell of R (inside the grid) the text Change makes of it, a merged block once.
  void ChangeCellTexts(const TGridRect& R,
                       const std::function<AnsiString(const AnsiString&)>& Change);
  void MarkCells(const AnsiString& Text, const AnsiString& Tag, bool DoCase, const TGridRect& R);
  void UnMarkCells(const AnsiString& Tag, const TGridRect& R);
  TGridItem* HiddenRowItem(int RealRow) const;
  template <typename Change>
  void StyleCell(int ACol, int ARow, Change change);
  void CheckRowSelect(int ARow) const;
  void SelectInGrid(TGridRect R);
  // End of cell access, marking and selection -----------------------------------------------

  friend class FormResizeLink;

  std::unique_ptr<TFont> fixedFont_;
  std::unique_ptr<TFont> activeCellFont_;
  std::unique_ptr<TBitmap> rowIndicator_;
  bool activeCellShow_ = false;
  TColor activeCellColor_ = clGray;
  TPoint xyOffset_{2, 2};
  TColor selectionColor_ = clHighlight;
  TColor selectionTextColor_ = clHighlightText;
  bool showSelection_ = true;
  TVAlignment vAlignment_ = vtaTop;
  TUpdateLock updateLock_;
  std::vector<TGridChangeNotifier*> notifiers_;
  TPoint validateCell_{-1, -1};
  AnsiString validateValue_;
  // The owner form's resize handler, taken over and handed back.
  std::shared_ptr<FormResizeLink> formResize_;
  TPoint formSize_;
  THTMLPictureCache pictureCache_;
  TComponentLink<TPictureContainer> pictureContainer_;

  template <typename T>
  void Restyle(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }
  void TakeOverFormResize();
  void HandBackFormResize();
  void ReleaseHiddenRows();
  void ReopenEditor(int ACol, int ARow);

  // Sorting, rows and columns
  struct SortPass;
  class SortSpace;
  // While a sort runs (sortDepth_ > 0): the columns' sort formats, read once, and the cells'
  // keys, made once unless a display-text handler may change what a cell shows as it moves.
  int sortDepth_ = 0;
  TSortKeys sortKeys_;
  bool sortKeysOn_ = false;
  // While the sort reads keys only, it exchanges rows in sortPending_ and moves the cells
  // once at the end (FlushSortedRows): row p is to take the cells now at sortPending_[p].
  // The pivot row is to hold the cells now at sortPivotFrom_ (-1: nothing pending).
  bool sortDefer_ = false;
  std::vector<int> sortPending_;
  int sortPivotFrom_ = -1;
  int sortPivotRow_ = -1;
  int sortColumn_ = 0;       // the column a running sort compares first
  int sortRowFollow_ = -1;   // the row the current row's contents stand in while QSort runs
  std::vector<int> sortXRef_;
  std::vector<TGridCoord> selectedCells_;

  TSortFormat ReadSortFormat(int ACol);
  const AnsiString& SortText(int ACol, int ARow, AnsiString& Made);
  // An empty cell goes last (blLast) or first (blFirst) in either direction.
  int PlaceBlanks(int Result, bool Empty1, bool Empty2) const {
    if (!SortSettings.IgnoreBlanks || Empty1 == Empty2) return Result;
    return (Empty1 ? 1 : -1) * (SortSettings.BlankPos == blLast ? 1 : -1) * DirectionFactor();
  }
  int DirectionFactor() const { return SortSettings.GetDirection() == sdAscending ? 1 : -1; }
  // What the running sort knows of a column of the grid (nullptr while none runs).
  TSortKeys::Column* SortColumn(int ACol) {
    if (sortDepth_ == 0 || ACol < 0 || ACol >= GetColCount()) return nullptr;
    TSortKeys::Column& column = sortKeys_.At(ACol);
    return column.Known ? &column : KnowSortColumn(ACol);
  }
  TSortKeys::Column* KnowSortColumn(int ACol);
  int CompareKeys(const TSortKeys::Column& Column, int ARow1, int ARow2) const {
    const TSortKey& key1 = Column.Keys[ARow1];
    const TSortKey& key2 = Column.Keys[ARow2];
    return PlaceBlanks(CompareSortKeys(Column.Format.Style, key1, key2, Column.Texts),
                       key1.Empty, key2.Empty);
  }
  int CompareCells(int ACol, int ARow1, int ARow2, const TSortKeys::Column* Column);
  int PassCompare(const SortPass& Pass, int ARow1, int ARow2);
  void SwapSortedRows(int ARow1, int ARow2);
  void FlushSortedRows();
  int SortedCellsRow(int ARow) const;
  void QuickSortRows(const SortPass& Pass, int L, int R);
  void CopyPivotRow(int ARow, int Pivot);
  void SortWhole(const SortPass& Pass, bool KeepColumn0);
  void ExchangeRows(int ARow1, int ARow2);
  void ExchangeRowSelect(int ARow1, int ARow2);
  void RemoveRowsSelected(bool Selected);
  void ExchangeColumns(int ACol1, int ACol2);
  void ExchangeCells(int ACol1, int ARow1, int ACol2, int ARow2);
  int LastNormalRow() const { return GetRowCount() - 1 - fixedFooters_; }
  int LastNormalCol() const { return GetColCount() - 1 - fixedRightCols_; }
  // The last index of Count lines from First, not beyond Limit (no overflow for any Count).
  static int LastOf(int First, int Count, int Limit);
  // A and B are two different lines of the Count there are.
  static bool TwoLines(int A, int B, int Count) {
    return A >= 0 && B >= 0 && A < Count && B < Count && A != B;
  }
  // Takes Count rows out at ARow (the rows below move up) without freeing their objects;
  // Restore decides where the current row goes when its row is gone.
  enum class RowRestore { LastAboveFooter, FirstNormal };
  void DeleteRows(int ARow, int Count, RowRestore Restore);
  struct FloatStats;
  FloatStats LineStats(bool Columnwise, int Line, int From, int To);
  TPoint MeasureCell(int ACol, int ARow, bool Wrap);
  AnsiString SelectedCellText(int ACol, int ARow);
  int NeededSize(bool Widths, int Line);
  // Down a column (Down) or along a row: runs of equal cells merged, blocks split.
  void MergeRuns(bool Down, int Line, bool MainMerge);
  void SplitRuns(bool Down, int Line);

  // Visual properties, cell layout and painting
  std::unique_ptr<TFont> printFont_ = std::make_unique<TFont>();
  std::vector<int> sizingLines_;  // the sizing lines shown
  bool intelliShown_ = false;
  struct CellPaint;
  void ApplyBands(int ACol, int ARow, bool Print, TBrush* ABrush);
  void ApplySelection(int ACol, int ARow, TGridDrawState& AState, bool Select, TBrush* ABrush,
                      TFont* AFont);
  bool SortIndicatorShows(int ACol, int ARow);
  void DrawCellText(CellPaint& P);
  void SelectCellColors(CellPaint& P);
  void DrawPlainText(CellPaint& P, AnsiString Text, TRect R);
  void DrawHTMLText(CellPaint& P, const AnsiString& Text, TRect R);
  // The renderer's settings for this grid's HTML text, links in LinkColor.
  THTMLDrawParams HTMLParams(TColor LinkColor);
  // The grid's canvas in the font and brush the cell is drawn with (ACol a display column).
  TCanvas* CanvasInCellFont(int ACol, int ARow);
  void DrawFilterGlyph(CellPaint& P);
  void DrawSelectionRectangle(CellPaint& P);
  void DrawCellBorders(CellPaint& P);
  void DrawFixedEdges(CellPaint& P);
  void DrawBackgroundPicture(CellPaint& P);
  void DrawBackgroundPictureCell(CellPaint& P);
  void DrawFocusRectangle(CellPaint& P);
  void PaintOverlays();
};
