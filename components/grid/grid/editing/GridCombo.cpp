// TGridCombo: the combo editor's keys and wheel.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/editing/GridEditorControls.h"
#include "components/grid/grid/editing/GridEditorEnding.h"
#include "platform/controls/screen.h"

TGridCombo::TGridCombo(TComponent* AOwner) : TGridEditorControl(AOwner) {
  SetButtonWidth(16);
}

void TGridCombo::DoEnter() {
  TGridEditorControl::DoEnter();
  TPoint mouse;
  if (!grid_->TakeCaretClick() || GetStyle() == csDropDownList || !GetCursorPos(mouse)) return;
  SetEditSel(CharFromPos(ScreenToClient(mouse)), 0);
}

void TGridCombo::DoExit() {
  const AnsiString text = GetText();
  if (grid_->LookupHistory && !text.empty() && GetItems()->IndexOf(text) < 0)
    GetItems()->Add(text);
  TGridEditorControl::DoExit();
}

namespace {

bool IsIn(WORD Key, std::initializer_list<WORD> Keys) {
  for (WORD k : Keys)
    if (k == Key) return true;
  return false;
}

}  // namespace

void TGridCombo::KeyDown(WORD& Key, TShiftState Shift) {
  completionArmed_ = Key != VK_BACK && Key != VK_DELETE;
  // A list that is open, or one to choose from only, keeps the arrows that walk it.
  const bool list = GetDroppedDown() || GetStyle() == csDropDownList;
  const bool ends = list ? IsIn(Key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_LEFT, VK_RIGHT})
                         : IsIn(Key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_END,
                                      VK_UP, VK_DOWN});
  if (!ends) {
    TESGComboBox::KeyDown(Key, Shift);
    return;
  }
  const bool validated = list ? Key == VK_RETURN : IsIn(Key, {VK_RETURN, VK_UP, VK_DOWN});
  if (Key == VK_ESCAPE) {
    const AnsiString cell = grid_->GetCurrentCell();
    SetText(cell);
    if (const int index = GetItems()->IndexOf(cell); index >= 0) SetItemIndex(index);
  } else if (validated && !EditorValueAccepted(grid_, GetText(), [this](const AnsiString& cell,
                                                                        bool) {
               SetText(cell);
             })) {
    return;
  }
  if (list) SetDroppedDown(false);
  // Left and Right reach the grid once, through the end of the edit.
  grid_->DoneInplaceEdit(Key, Shift);
  Key = 0;
}

void TGridCombo::Wheel(bool Down) {
  const int last = GetItems()->Count() - 1;
  if (last < 0) return;
  const int index = std::clamp(GetItemIndex() + (Down ? 1 : -1), 0, last);
  SetItemIndex(index);
  const AnsiString text = GetItems()->Strings(index);
  const int col = grid_->GetRealCol();
  const int row = grid_->GetRow();
  if (grid_->OnComboChange) grid_->OnComboChange(this, col, row, index, text);
  if (grid_->OnComboObjectChange)
    grid_->OnComboObjectChange(this, col, row, index, text, GetItems()->Objects(index));
}

bool TGridCombo::DoMouseWheelDown(TShiftState, TPoint) {
  Wheel(true);
  return true;
}

bool TGridCombo::DoMouseWheelUp(TShiftState, TPoint) {
  Wheel(false);
  return true;
}

void TGridCombo::SizeDropDownWidth() {
  int width = GetWidth();
  // A list that scrolls needs room for its scroll bar too.
  const bool scrolls = GetItems()->Count() > GetDropDownCount();
  for (int i = 0; i < GetItems()->Count(); ++i) {
    const int text = grid_->GetCanvas()->TextWidth(GetItems()->Strings(i));
    if (scrolls && width < text + 25)
      width = text + 25;
    else if (!scrolls && width < text + 5)
      width = text + 8;
  }
  SetDropDownWidth(width);
}

void TGridCombo::KeyUp(WORD& Key, TShiftState Shift) {
  TGridEditorControl::KeyUp(Key, Shift);
  Complete();
}

void TGridCombo::Complete() {
  if (!completionArmed_ || !grid_->Lookup || GetStyle() == csDropDownList) return;
  const AnsiString text = GetText();
  const auto caret = static_cast<size_t>(std::clamp(GetSelStart(), 0, static_cast<int>(text.size())));
  const AnsiString typed = text.substr(0, caret);
  if (typed.empty()) return;
  const auto folded = [this](const AnsiString& s) {
    return grid_->LookupCaseSensitive ? s : AnsiUpperCase(s);
  };
  const AnsiString key = folded(typed);
  for (int i = 0; i < GetItems()->Count(); ++i) {
    const AnsiString item = GetItems()->Strings(i);
    if (item.size() < typed.size() || folded(item.substr(0, typed.size())) != key) continue;
    const AnsiString completed = (typed + item.substr(typed.size())).substr(0, 255);
    completed_ = i;
    SetItemIndex(i);
    SetText(completed);
    SetEditSel(static_cast<int>(typed.size()), static_cast<int>(completed.size() - typed.size()));
    return;
  }
}
