// TExtStringGrid: the full grid control. This header gives the object itself: its settings
// objects and their defaults, the look settings it holds for the painting code, the virtual
// cell hooks (each applies the built-in rule, then fires the user's event), the update lock,
// the validation of an edited cell, the window and component life, and every event. Sorting,
// hiding, editing, painting, printing, import and export add their members in files of their
// own (ExtGrid*.cpp).
#pragma once

#include <memory>
#include <vector>

#include "components/grid/BaseGrid.h"
#include "components/grid/DragDropSettings.h"
#include "components/grid/ExtGridEvents.h"
#include "components/grid/FileSettings.h"
#include "components/grid/GridChangeNotifier.h"
#include "components/grid/GridFilter.h"
#include "components/grid/GridItem.h"
#include "components/grid/InputSettings.h"
#include "components/grid/LookSettings.h"
#include "components/grid/SortSettings.h"
#include "components/grid/UpdateLock.h"

class FormResizeLink;

class TExtStringGrid : public TBaseGrid {
 public:
  explicit TExtStringGrid(TComponent* AOwner);
  ~TExtStringGrid() override;

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
  TColor OrvikGradFrom = clSilver;
  TColor OrvikGradTo = clWhite;
  bool FixedRowAlways = false;
  bool FixedColAlways = false;
  // Rounds the height to whole default rows when the bounds are set.
  bool IntegralHeight = false;
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

 private:
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
};
