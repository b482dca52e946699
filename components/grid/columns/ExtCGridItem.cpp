// TGridColumnItem: one column's settings and what setting them does to the grid.
#include "components/grid/columns/ExtCGrid.h"
#include "components/grid/columns/ExtCGridSettings.h"

#include <string>

TGridColumnItem::TGridColumnItem(TGridColumnCollection* ACollection)
    : collection_(ACollection),
      font_(std::make_unique<TFont>()),
      borderPen_(std::make_unique<TPen>()),
      comboItems_(std::make_unique<TStringList>()),
      filter_(std::make_unique<TStringList>()),
      printFont_(std::make_unique<TFont>()),
      printBorderPen_(std::make_unique<TPen>()) {
  if (const TExtColumnGrid* grid = Grid()) {
    font_->Assign(*grid->GetFont());
    printFont_->Assign(*grid->GetFont());
    color_ = grid->GetColor();
  }
  borderPen_->SetColor(clSilver);
  // Only now: the defaults above are no change of the column.
  font_->OnChange = [this](TObject*) { Updated(); };
  borderPen_->OnChange = [this](TObject*) { Updated(); };
}

TGridColumnItem::~TGridColumnItem() = default;

TExtColumnGrid* TGridColumnItem::Grid() const {
  return collection_ ? collection_->GetOwner() : nullptr;
}

void TGridColumnItem::Updated() {
  if (collection_) collection_->Update(this);
}

int TGridColumnItem::GetIndex() const { return collection_ ? collection_->IndexOf(this) : -1; }

AnsiString TGridColumnItem::GetDisplayName() const {
  return Name.empty() ? "Column " + std::to_string(GetIndex()) : Name;
}

void TGridColumnItem::Assign(const TGridColumnItem& Source) {
  if (&Source == this) return;
  ColumnSettings::ForEach([&](auto Setting) { Setting.Set(*this, Setting.Get(Source)); });
  EditLink = Source.EditLink;
}

void TGridColumnItem::SetWidth(int Value) {
  width_ = Value;
  TExtColumnGrid* grid = Grid();
  const int index = GetIndex();
  if (grid && index < grid->GetColCount() + grid->NumHiddenColumns())
    grid->SetAllColWidths(index, Value);
}

void TGridColumnItem::SetHeader(const AnsiString& Value) {
  header_ = Value;
  TExtColumnGrid* grid = Grid();
  if (!grid) return;
  if (grid->GetFixedRows() > 0) {
    grid->SetGridCell(GetIndex(), 0, Value);
    Updated();
  }
  grid->CollectHeaders();
}

void TGridColumnItem::SetEditor(TEditorType Value) {
  const bool checkBox = editor_ == edDataCheckBox || Value == edDataCheckBox;
  editor_ = Value;
  if (checkBox && Grid()) Grid()->Invalidate();
}

void TGridColumnItem::SetFilter(const TStrings* Value) {
  filter_->Assign(*Value);
  if (Grid()) Grid()->Invalidate();
}

void TGridColumnItem::SetColumnPopup(TPopupMenu* Value) {
  columnPopup_ = Value;
  // The link stays when the menu changes: another item may use the menu too.
  if (Value && Grid()) Value->FreeNotification(Grid());
}

AnsiString TGridColumnItem::Rows(int ARow) const {
  TExtColumnGrid* grid = Grid();
  return grid ? grid->GetCellEx(GetIndex(), ARow) : AnsiString();
}

void TGridColumnItem::SetRows(int ARow, const AnsiString& Value) {
  if (TExtColumnGrid* grid = Grid()) grid->SetCellEx(GetIndex(), ARow, Value);
}

namespace {

template <typename T>
T ReadTyped(TExtColumnGrid* grid, T (TExtStringGrid::*get)(int, int), int ACol, int ARow) {
  return grid ? (grid->*get)(ACol, ARow) : T{};
}

template <typename T>
void WriteTyped(TExtColumnGrid* grid, void (TExtStringGrid::*set)(int, int, T), int ACol,
                int ARow, T Value) {
  if (grid) (grid->*set)(ACol, ARow, Value);
}

}  // namespace

int TGridColumnItem::Ints(int ARow) const {
  return ReadTyped(Grid(), &TExtStringGrid::GetInts, GetIndex(), ARow);
}
void TGridColumnItem::SetInts(int ARow, int Value) {
  WriteTyped(Grid(), &TExtStringGrid::SetInts, GetIndex(), ARow, Value);
}
double TGridColumnItem::Floats(int ARow) const {
  return ReadTyped(Grid(), &TExtStringGrid::GetFloats, GetIndex(), ARow);
}
void TGridColumnItem::SetFloats(int ARow, double Value) {
  WriteTyped(Grid(), &TExtStringGrid::SetFloats, GetIndex(), ARow, Value);
}
TDateTime TGridColumnItem::Dates(int ARow) const {
  return ReadTyped(Grid(), &TExtStringGrid::GetDates, GetIndex(), ARow);
}
void TGridColumnItem::SetDates(int ARow, TDateTime Value) {
  WriteTyped(Grid(), &TExtStringGrid::SetDates, GetIndex(), ARow, Value);
}
TDateTime TGridColumnItem::Times(int ARow) const {
  return ReadTyped(Grid(), &TExtStringGrid::GetTimes, GetIndex(), ARow);
}
void TGridColumnItem::SetTimes(int ARow, TDateTime Value) {
  WriteTyped(Grid(), &TExtStringGrid::SetTimes, GetIndex(), ARow, Value);
}
