// TExtColumnGrid: the filter drop-down of the header cells, and the list box it shows.
#include "components/grid/columns/ExtCGrid.h"
#include "platform/controls/keys.h"

namespace {

// An entry is "friendly name=condition", or a condition that is its own name.
AnsiString FriendlyName(const AnsiString& Entry) { return Entry.substr(0, Entry.find('=')); }

AnsiString Condition(const AnsiString& Entry) {
  const std::size_t equals = Entry.find('=');
  return equals == AnsiString::npos ? Entry : Entry.substr(equals + 1);
}

}  // namespace

void TDropList::Select() {
  if (OnSelect) OnSelect(this, GetItemIndex());
}

void TDropList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TListBox::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft) Select();
}

void TDropList::KeyDown(WORD& Key, TShiftState Shift) {
  TListBox::KeyDown(Key, Shift);
  if (Key == VK_RETURN) Select();
}

void TDropList::WMGetDlgCode(TWMGetDlgCode& Message) { Message.Result = DLGC_WANTALLKEYS; }

// A click in a header cell's right edge zone opens its column's list; any other click
// closes a list that shows.
void TExtColumnGrid::FilterDropDownClick(int X, int Y) {
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  const TRect cell = row == 0 && col >= 0 ? CellRect(col, row) : TRect();
  const TGridColumnItem* item = row == 0 && col >= 0 ? ItemOf(RemapCol(col)) : nullptr;
  const bool opens = item && col != filterColumn_ && X > cell.Right - 16 && X < cell.Right - 3 &&
                     item->GetFilter()->Count() > 0;
  if (filterList_->GetVisible()) filterList_->SetVisible(false);
  if (!opens) {
    filterColumn_ = -1;
    return;
  }
  filterColumn_ = col;
  filterList_->SetColor(FilterDropDown.Color);
  filterList_->SetFont(FilterDropDown.GetFont());
  filterList_->SetFlat(true);
  const int width = FilterDropDown.ColumnWidth ? cell.Width() : FilterDropDown.Width;
  filterList_->SetBounds(cell.Left, cell.Bottom, width, FilterDropDown.Height);
  TStringList names;
  const TStrings* entries = item->GetFilter();
  for (int i = 0; i < entries->Count(); ++i) names.Add(FriendlyName(entries->Strings(i)));
  filterList_->SetItems(names);
  filterList_->SetItemIndex(0);
  filterList_->SetVisible(true);
  filterList_->SetFocus();
}

void TExtColumnGrid::FilterSelect(int ItemIndex) {
  filterList_->SetVisible(false);
  const int col = filterColumn_;
  filterColumn_ = -1;
  TGridColumnItem* item = col >= 0 ? ItemOf(RemapCol(col)) : nullptr;
  if (!item || ItemIndex < 0 || ItemIndex >= item->GetFilter()->Count()) return;
  const AnsiString entry = item->GetFilter()->Strings(ItemIndex);
  const AnsiString name = FriendlyName(entry);
  if (AutoFilterDisplay) item->SetHeader(name);
  if (AutoFilterUpdate) SetFilterActive(false);
  AnsiString condition = Condition(entry);
  if (OnFilterSelect) OnFilterSelect(this, col, ItemIndex, name, condition);
  TFilterData* filter = Filter.GetColFilter(col);
  filter->Condition = condition;
  filter->CaseSensitive = item->FilterCaseSensitive;
  if (!AutoFilterUpdate) return;
  SetFilterActive(true);
  if (GetFixedRows() < GetRowCount()) SetRow(GetFixedRows());
}
