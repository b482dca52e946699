// The lookup list: after NumChars characters a pop-up under the edit offers the DisplayList
// entries that begin with the value; Enter or a click enters the chosen one.
#include <algorithm>
#include <cstdint>

#include "components/edit/ExtEdit.h"
#include "platform/graphics/canvas.h"

namespace {
constexpr int kRowHeight = 12;
constexpr int kWindowWidth = 200;

// A row carries the index of its DisplayList entry, as sorting moves it.
TObject* IndexObject(int index) { return reinterpret_cast<TObject*>(static_cast<intptr_t>(index)); }
int ObjectIndex(TObject* object) { return static_cast<int>(reinterpret_cast<intptr_t>(object)); }
int ListHeight(int rows) { return rows * kRowHeight + 4; }
}  // namespace

TListHintWindow::TListHintWindow(TComponent* AOwner)
    : THintWindow(AOwner), listBox_(new TListBox(this)) {
  listBox_->SetParent(this);
  listBox_->SetAlign(alClient);
  listBox_->SetStyle(lbOwnerDrawFixed);
  listBox_->SetItemHeight(kRowHeight);
  listBox_->SetFlat(true);
  listBox_->SetTabStop(true);
  listBox_->SetTabOrder(0);
}

// Inside the one-pixel border.
void TListHintWindow::AlignArea(int& left, int& top, int& width, int& height) const {
  left = 1;
  top = 1;
  width = GetClientWidth();
  height = GetClientHeight();
}

bool TExtEdit::LookupShown() const { return lookupWindow_ && lookupWindow_->GetVisible(); }

// Made at the first lookup: most edits never show one.
void TExtEdit::MakeLookupWindow() {
  lookupWindow_ = new TListHintWindow(this);
  TListBox* list = lookupWindow_->GetListBox();
  list->OnKeyPress = [this](TObject* Sender, char& Key) { ListKeyPress(Sender, Key); };
  list->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { DoneLookup(); };
}

void TExtEdit::UpdateLookup() {
  if (!lookup_->Enabled) return;
  if (!lookupWindow_) MakeLookupWindow();
  const AnsiString value = GetText();
  if (static_cast<int>(value.size()) < lookup_->GetNumChars()) {
    lookupWindow_->Hide();
    return;
  }
  TListBox* list = lookupWindow_->GetListBox();
  const TPoint origin = ClientToScreen(TPoint(0, 0));
  lookupWindow_->SetBounds(origin.x + 16, origin.y + GetHeight() - 6, kWindowWidth,
                           ListHeight(lookup_->DisplayCount));
  lookupWindow_->SetColor(clWindow);
  list->SetColor(lookup_->Color);
  for (TFont* font : {lookupWindow_->GetFont(), list->GetFont()}) {
    font->SetName("Arial");
    font->SetSize(8);
  }
  list->Clear();
  list->SetSorted(true);
  const TStringList* display = lookup_->GetDisplayList();
  auto fold = [this](const AnsiString& s) { return lookup_->CaseSensitive ? s : AnsiUpperCase(s); };
  const AnsiString wanted = fold(value);
  TCanvas canvas;
  canvas.Font->Assign(*lookupWindow_->GetFont());
  int widest = 0;
  list->GetItems()->BeginUpdate();
  for (int i = 0; i < display->Count(); ++i) {
    const AnsiString entry = display->Strings(i);
    if (fold(entry).compare(0, wanted.size(), wanted) != 0) continue;
    list->GetItems()->AddObject(entry, IndexObject(i));
    widest = std::max(widest, canvas.TextWidth(entry));
  }
  list->GetItems()->EndUpdate();
  const int matches = list->GetItems()->Count();
  if (display->Count() > 0) list->SetItemIndex(0);
  if (matches < lookup_->DisplayCount) lookupWindow_->SetHeight(ListHeight(matches));
  if (matches > 0) lookupWindow_->SetWidth(std::max(widest, 50) + 10);
  lookupWindow_->SetVisible(matches > 0);
}

void TExtEdit::DoneLookup() {
  if (!lookupWindow_) return;
  if (CanFocus() && !Focused()) SetFocus();
  lookupWindow_->Hide();
  TListBox* list = lookupWindow_->GetListBox();
  const int row = list->GetItemIndex();
  if (row < 0) return;
  const int index = ObjectIndex(list->GetItems()->Objects(row));
  const TStringList* values = lookup_->GetValueList();
  AnsiString value = index >= 0 && index < values->Count() ? values->Strings(index)
                                                           : list->GetItems()->Strings(row);
  if (OnLookupSelect) OnLookupSelect(this, value);
  SetText(value);
  SelectAll();
}

// Home, End and the page keys end here; Up and Down move the choice and go on.
bool TExtEdit::LookupKeyDown(WORD& Key, TShiftState) {
  if (!LookupShown()) return false;
  TListBox* list = lookupWindow_->GetListBox();
  const int last = list->GetItems()->Count() - 1, row = list->GetItemIndex();
  const int page = lookup_->DisplayCount;
  switch (Key) {
    case VK_RETURN:
      DoneLookup();
      break;
    case VK_HOME:
      list->SetItemIndex(0);
      break;
    case VK_END:
      list->SetItemIndex(last);
      break;
    case VK_NEXT:
      list->SetItemIndex(std::min(row + page, last));
      break;
    case VK_PRIOR:
      list->SetItemIndex(std::max(row - page, 0));
      break;
    case VK_UP:
      if (row > 0) list->SetItemIndex(row - 1);
      return false;
    case VK_DOWN:
      if (row < last) list->SetItemIndex(row + 1);
      return false;
    default:
      return false;
  }
  Key = 0;
  return true;
}

void TExtEdit::ListKeyPress(TObject*, char& Key) {
  if (Key == '\r') DoneLookup();
}

// The pop-up is the edit's, but the application may free it first.
void TExtEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TEditLook::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == lookupWindow_) lookupWindow_ = nullptr;
}
