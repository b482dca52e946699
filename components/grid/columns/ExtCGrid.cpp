// TExtColumnGrid: the column items kept in step with the grid's columns: their number, their
// headers, their widths and their order.
#include "components/grid/columns/ExtCGrid.h"

TExtColumnGrid::TExtColumnGrid(TComponent* AOwner)
    : TExtStringGrid(AOwner),
      columns_(std::make_unique<TGridColumnCollection>(this)),
      filterList_(new TDropList(this)) {
  WhileUpdating([this] { SynchColumns(); });
  filterList_->SetParent(this);
  filterList_->SetVisible(false);
  filterList_->SetBounds(0, 0, 0, 0);
  filterList_->OnSelect = [this](TObject*, int ItemIndex) { FilterSelect(ItemIndex); };
}

TExtColumnGrid::~TExtColumnGrid() = default;

template <typename Change>
void TExtColumnGrid::WhileUpdating(Change change) {
  const bool updating = columns_->GetUpdating();
  columns_->SetUpdating(true);
  change();
  columns_->SetUpdating(updating);
}

TGridColumnItem* TExtColumnGrid::ItemOf(int ACol) const {
  return ACol >= 0 && ACol < columns_->Count() ? columns_->GetItem(ACol) : nullptr;
}

void TExtColumnGrid::SetColCount(int Value) {
  TExtStringGrid::SetColCount(Value);
  WhileUpdating([this] { SynchColumns(); });
}

void TExtColumnGrid::SynchColumns() {
  const int columns = GetColCount() + NumHiddenColumns();
  while (columns_->Count() < columns) columns_->Add();
  while (columns_->Count() > columns) columns_->Delete(columns_->Count() - 1);
  TakeHeaders();
  // An item added has the default width, its column may not.
  StoreWidths();
}

void TExtColumnGrid::TakeHeaders() {
  if (GetFixedRows() <= 0) return;
  for (int c = 0; c < GetColCount(); ++c) {
    const int real = RemapCol(c);
    if (TGridColumnItem* item = ItemOf(real)) item->header_ = GetGridCell(real, 0);
  }
  CollectHeaders();
}

void TExtColumnGrid::CollectHeaders() {
  ColumnHeaders.Clear();
  for (int i = 0; i < columns_->Count(); ++i) ColumnHeaders.Add(columns_->GetItem(i)->header_);
}

void TExtColumnGrid::StoreWidths() {
  for (int c = 0; c < GetColCount(); ++c)
    if (TGridColumnItem* item = ItemOf(RemapCol(c))) item->width_ = ColWidths(c);
}

void TExtColumnGrid::ColumnsUpdated() {
  const int shown = GetColCount();
  const int columns = columns_->Count() - NumHiddenColumns();
  if (columns == shown || columns <= GetFixedCols()) return;
  std::vector<int> widths;
  for (int i = 0; i < columns_->Count(); ++i) widths.push_back(columns_->GetItem(i)->width_);
  SetColCount(columns);
  // The columns added show the widths their items had.
  for (int c = shown; c < columns; ++c) SetColWidths(c, widths[RemapCol(c)]);
}

void TExtColumnGrid::SizeChanged(int OldColCount, int OldRowCount) {
  TExtStringGrid::SizeChanged(OldColCount, OldRowCount);
  if (GetColCount() != OldColCount) WhileUpdating([this] { SynchColumns(); });
}

void TExtColumnGrid::ColWidthsChanged() {
  TExtStringGrid::ColWidthsChanged();
  StoreWidths();
}

// The item moves itself, so nothing of it is lost on the way (not even its popup menu).
void TExtColumnGrid::ColumnMoved(int FromIndex, int ToIndex) {
  WhileUpdating([this] { SynchColumns(); });
  const int from = RemapCol(FromIndex);
  const int to = RemapCol(ToIndex);
  TExtStringGrid::ColumnMoved(FromIndex, ToIndex);
  if (ItemOf(from) && ItemOf(to)) columns_->Move(from, to);
  CollectHeaders();
}

TGridColumnItem* TExtColumnGrid::GetColumnByName(const AnsiString& Name) const {
  for (int i = 0; i < columns_->Count(); ++i)
    if (columns_->GetItem(i)->Name == Name) return columns_->GetItem(i);
  return nullptr;
}

void TExtColumnGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TExtStringGrid::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  for (int i = 0; i < columns_->Count(); ++i)
    if (columns_->GetItem(i)->columnPopup_ == AComponent)
      columns_->GetItem(i)->columnPopup_ = nullptr;
}

void TExtColumnGrid::Loaded() {
  TExtStringGrid::Loaded();
  SynchColumns();
  SetOrganization();
}

void TExtColumnGrid::CellsLoaded() {
  TExtStringGrid::CellsLoaded();
  WhileUpdating([this] { SynchColumns(); });
}
