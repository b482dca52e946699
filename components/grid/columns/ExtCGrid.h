// TExtColumnGrid: the grid of every list of the program. Its columns are a collection of column
// settings (TGridColumnItem), one item per real column, hidden ones included, kept as many as
// the columns and moved with them. The grid answers its cell hooks for the cells of a column
// from that column's item, so a column's look, editor, sort style, check texts, borders and
// size limits are set once for the whole column; the grid's events still have the last word.
// The grid saves and loads the column order (INI file) and the column settings (a stream of
// our own, carried by TExtColumnGridIO).
//
// The implementation is split by concern: ExtCGridItem.cpp (a column's settings),
// ExtCGridCollection.cpp, ExtCGrid.cpp (columns in step with the grid), ExtCGridHooks.cpp,
// ExtCGridPositions.cpp, ExtCGridStream.cpp and ExtCGridPopup.cpp.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/columns/FilterDropDown.h"
#include "platform/graphics/font.h"
#include "platform/controls/menus.h"
#include "platform/graphics/pen.h"
#include "platform/core/stream.h"
#include "platform/core/strings.h"

class TExtColumnGrid;
class TGridColumnCollection;

// Which clicks open a column's popup menu.
enum TColumnPopupType {
  cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick,
  cpAllCellsRClick, cpAllCellsLClick
};

using TColumnPopupEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu* PopupMenu)>;
// A filter entry was chosen in a header's drop-down; the handler may change the condition.
using TFilterSelectEvent = std::function<void(TObject* Sender, int Column, int ItemIndex,
                                              const AnsiString& FriendlyName,
                                              AnsiString& FilterCondition)>;

// The settings of one column. An item of a grid's collection acts on the grid when set; an
// item of a collection without grid only keeps its values.
class TGridColumnItem : public TObject {
 public:
  // Font, print font and colour start as the grid's.
  explicit TGridColumnItem(TGridColumnCollection* ACollection);
  ~TGridColumnItem() override;
  TGridColumnItem(const TGridColumnItem&) = delete;
  TGridColumnItem& operator=(const TGridColumnItem&) = delete;

  // Every setting and the position, through the setters; not the popup menu and its type.
  void Assign(const TGridColumnItem& Source);
  TGridColumnCollection* GetCollection() const { return collection_; }
  int GetIndex() const;
  // Name, or "Column " and the index.
  AnsiString GetDisplayName() const;

  // Sets the column's width too.
  int GetWidth() const { return width_; }
  void SetWidth(int Value);
  // Writes row 0 of the column while the grid has fixed rows; ColumnHeaders follows.
  AnsiString GetHeader() const { return header_; }
  void SetHeader(const AnsiString& Value);
  // These repaint the grid (through the collection's Update); the font and the border pen
  // do so on every change.
  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment Value) { Change(alignment_, Value); }
  TColor GetColor() const { return color_; }
  void SetColor(TColor Value) { Change(color_, Value); }
  bool GetFixed() const { return fixed_; }
  void SetFixed(bool Value) { Change(fixed_, Value); }
  bool GetPassword() const { return password_; }
  void SetPassword(bool Value) { Change(password_, Value); }
  bool GetShowBands() const { return showBands_; }
  void SetShowBands(bool Value) { Change(showBands_, Value); }
  TCellBorders GetBorders() const { return borders_; }
  void SetBorders(TCellBorders Value) { Change(borders_, Value); }
  TFont* GetFont() const { return font_.get(); }
  void SetFont(const TFont* Value) { font_->Assign(*Value); }
  TPen* GetBorderPen() const { return borderPen_.get(); }
  void SetBorderPen(const TPen* Value) { borderPen_->Assign(*Value); }
  // Repaints the grid when the check-box editor comes or goes.
  TEditorType GetEditor() const { return editor_; }
  void SetEditor(TEditorType Value);
  // Copies; a new filter repaints the grid (its header shows the filter glyph).
  TStringList* GetComboItems() const { return comboItems_.get(); }
  void SetComboItems(const TStrings* Value) { comboItems_->Assign(*Value); }
  TStringList* GetFilter() const { return filter_.get(); }
  void SetFilter(const TStrings* Value);
  // Copies.
  TFont* GetPrintFont() const { return printFont_.get(); }
  void SetPrintFont(const TFont* Value) { printFont_->Assign(*Value); }
  TPen* GetPrintBorderPen() const { return printBorderPen_.get(); }
  void SetPrintBorderPen(const TPen* Value) { printBorderPen_->Assign(*Value); }
  // The grid hears of the menu's freeing and lets go of it.
  TPopupMenu* GetColumnPopup() const { return columnPopup_; }
  void SetColumnPopup(TPopupMenu* Value);

  // Settings read where they are used.
  TSortStyle SortStyle = ssAutomatic;
  AnsiString SortPrefix;  // stripped before a numeric comparison
  AnsiString SortSuffix;
  AnsiString EditMask;
  int EditLength = 0;  // 0: no limit
  TComponentLink<TEditLink> EditLink;  // not owned; empty once it is freed
  bool ReadOnly = false;
  int SpinMin = 0;
  int SpinMax = 0;
  int SpinStep = 1;
  TColor PrintColor = clWhite;
  TCellBorders PrintBorders;
  int Tag = 0;  // the user's; the lists keep the table field of the column here
  AnsiString Name;
  AnsiString CheckFalse = "N";
  AnsiString CheckTrue = "Y";
  int MaxSize = 0;  // limits of sizing by the user, 0: none
  int MinSize = 0;
  int AutoMinSize = 0;  // limits of automatic sizing, 0: none
  int AutoMaxSize = 0;
  TColumnPopupType ColumnPopupType = cpFixedCellsRClick;
  bool FilterCaseSensitive = false;
  // Where the column stood when the order was set (SetOrganization), not a published setting.
  int Position = 0;

  // The column's cells: text through GetCellEx and SetCellEx, typed values through the
  // grid's typed accessors (with their errors).
  AnsiString Rows(int ARow) const;
  void SetRows(int ARow, const AnsiString& Value);
  int Ints(int ARow) const;
  void SetInts(int ARow, int Value);
  double Floats(int ARow) const;
  void SetFloats(int ARow, double Value);
  TDateTime Dates(int ARow) const;
  void SetDates(int ARow, TDateTime Value);
  TDateTime Times(int ARow) const;
  void SetTimes(int ARow, TDateTime Value);

 private:
  friend class TExtColumnGrid;

  TGridColumnCollection* collection_;
  int width_ = 50;
  AnsiString header_;
  TAlignment alignment_ = taLeftJustify;
  TColor color_ = clWindow;
  bool fixed_ = false;
  bool password_ = false;
  bool showBands_ = false;
  TCellBorders borders_;
  TEditorType editor_ = edNormal;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TPen> borderPen_;
  std::unique_ptr<TStringList> comboItems_;
  std::unique_ptr<TStringList> filter_;
  std::unique_ptr<TFont> printFont_;
  std::unique_ptr<TPen> printBorderPen_;
  TPopupMenu* columnPopup_ = nullptr;

  TExtColumnGrid* Grid() const;
  void Updated();
  template <typename T>
  void Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Updated();
  }
};

// The columns of a grid (or of no grid), owning their items.
class TGridColumnCollection : public TObject {
 public:
  explicit TGridColumnCollection(TExtColumnGrid* AGrid);
  ~TGridColumnCollection() override;
  TGridColumnCollection(const TGridColumnCollection&) = delete;
  TGridColumnCollection& operator=(const TGridColumnCollection&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  // An index outside the collection raises std::out_of_range.
  TGridColumnItem* GetItem(int Index) const { return items_.at(static_cast<size_t>(Index)).get(); }
  void SetItem(int Index, const TGridColumnItem* Value) { GetItem(Index)->Assign(*Value); }
  int IndexOf(const TGridColumnItem* Item) const;
  // A new item with default settings, last or at Index (clamped to the collection); the last
  // one added takes its index as position, as the column has stood there from the start.
  TGridColumnItem* Add();
  TGridColumnItem* Insert(int Index);
  void Delete(int Index);
  void Clear() { items_.clear(); }
  // The item keeps its object: settings, popup menu and all.
  void Move(int FromIndex, int ToIndex);
  // As many items as Source, each assigned from Source's; the grid's column count then
  // follows (Update).
  void Assign(const TGridColumnCollection& Source);
  TExtColumnGrid* GetOwner() const { return grid_; }

  // An item changed. Unless the grid itself is changing its columns (Updating), the column
  // count follows the items; then the grid repaints.
  void Update(TGridColumnItem* Item);
  bool GetUpdating() const { return updating_; }
  void SetUpdating(bool Value) { updating_ = Value; }

 private:
  TExtColumnGrid* grid_;
  std::vector<std::unique_ptr<TGridColumnItem>> items_;
  bool updating_ = false;
};

class TExtColumnGrid : public TExtStringGrid {
 public:
  explicit TExtColumnGrid(TComponent* AOwner);
  ~TExtColumnGrid() override;

  // Setting assigns the given collection.
  TGridColumnCollection* GetColumns() const { return columns_.get(); }
  void SetColumns(const TGridColumnCollection* Value) { columns_->Assign(*Value); }

  // Sets the column count and brings Columns in step even when it stays. Any other change of
  // the count (deleting, moving, the hiding code) brings them in step as well.
  void SetColCount(int Value);
  // One item per real column (ColCount and the hidden ones): items with default settings are
  // added or the last ones freed; with fixed rows each item takes row 0 of its column as
  // header.
  void SynchColumns();
  // The first item whose Name is Name exactly, else nullptr.
  TGridColumnItem* GetColumnByName(const AnsiString& Name) const;

  // The column order in an INI file: key "CP<slot>" = the place the slot's column had when
  // the order was set (SetOrganization). Loading arranges the columns as they were saved,
  // and only when the keys name every column once; else the order stays.
  void SaveColumnPositions(const AnsiString& FileName, const AnsiString& Section);
  void LoadColumnPositions(const AnsiString& FileName, const AnsiString& Section);
  // Each column's place now becomes its position; ResetOrganization puts the columns back
  // in the order of their positions.
  void SetOrganization();
  void ResetOrganization();

  // Every setting of every column, in a versioned stream of our own. Loading raises
  // EExtGridError for a stream that holds no column settings of a known version and
  // EStreamError for a cut one, and changes nothing then; the columns keep their edit
  // links, popup menus and popup types, which the stream does not hold.
  void SaveColumnsToStream(TStream* Stream);
  void LoadColumnsFromStream(TStream* Stream);

  // A click on a cell of a column with a popup menu, of the column's popup type.
  TColumnPopupEvent OnColumnPopup;

  // A click near the right edge of a header cell whose column has Filter entries drops down
  // their friendly names; the entry chosen becomes the grid's filter condition for the
  // column (the grid's filter goes off and on again with AutoFilterUpdate, the header shows
  // the name with AutoFilterDisplay).
  TFilterDropDown FilterDropDown;
  bool AutoFilterUpdate = false;
  bool AutoFilterDisplay = false;
  TFilterSelectEvent OnFilterSelect;

  void Loaded() override;
  void CellsLoaded() override;

  // The cell hooks, answered from the cell's column. The normal area is what lies right of
  // the fixed columns and below the fixed rows.
  void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                    TFont* AFont) override;
  void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                         TFont* AFont) override;
  void GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
  void GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
  void GetCellAlign(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
  void GetColFormat(int ACol, TSortStyle& AStyle, AnsiString& Prefix,
                    AnsiString& Suffix) override;
  void GetCellEditor(int ACol, int ARow, TEditorType& AEditor) override;
  // A column's own edit link edits its cells; without one, the grid's.
  TEditLink* GetCellEditLink(int ACol, int ARow) override;
  void GetCellFixed(int ACol, int ARow, bool& IsFixed) override;
  void GetCellReadOnly(int ACol, int ARow, bool& CanEdit) override;
  void GetCellPassword(int ACol, int ARow, bool& IsPassword) override;
  void GetCheckTrue(int ACol, int ARow, AnsiString& Value) override;
  void GetCheckFalse(int ACol, int ARow, AnsiString& Value) override;
  bool GetFilter(int ACol) override;
  void UpdateColSize(int ACol, int& AWidth) override;
  void UpdateAutoColSize(int ACol, int& AWidth) override;
  void UpdateColHeaders() override;
  int GetEditLimit() override;
  AnsiString GetEditMask(int ACol, int ARow) override;

 protected:
  void SizeChanged(int OldColCount, int OldRowCount) override;
  void ColWidthsChanged() override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TGridColumnCollection;
  friend class TGridColumnItem;

  std::unique_ptr<TGridColumnCollection> columns_;

  TGridColumnItem* ItemOf(int ACol) const;  // nullptr for a column without item
  // Runs Change with the collection's updating flag set.
  template <typename Change>
  void WhileUpdating(Change change);
  // The column count follows the items (the collection's Update).
  void ColumnsUpdated();
  void TakeHeaders();
  void StoreWidths();
  // Rebuilds ColumnHeaders from the items' headers.
  void CollectHeaders();
  std::vector<int> PositionRanks() const;
  void ArrangeColumns(const std::vector<int>& Ranks);
  void ColumnPopup(TMouseButton Button, int X, int Y);

  // The filter drop-down and the column whose list shows (-1: none).
  TDropList* filterList_;
  int filterColumn_ = -1;
  void FilterDropDownClick(int X, int Y);
  void FilterSelect(int ItemIndex);

 protected:
  TDropList* GetFilterList() const { return filterList_; }
};

// A component that carries a collection of column settings through a stream.
class TExtColumnGridIO : public TComponent {
 public:
  explicit TExtColumnGridIO(TComponent* AOwner);
  ~TExtColumnGridIO() override;

  TGridColumnCollection* GetItems() const { return items_.get(); }
  void SetItems(const TGridColumnCollection* Value) { items_->Assign(*Value); }

  void WriteToStream(TStream& Stream) const;
  // Reads into a fresh collection first, so a failure leaves Items as they were.
  void ReadFromStream(TStream& Stream);

 private:
  std::unique_ptr<TGridColumnCollection> items_;
};
