// The keyboard: Enter advances, Space toggles check boxes and radio groups, Home and End by
// rows, Tab over merged blocks, clipboard shortcuts, inserting and deleting rows, disjunct row
// selection and the incremental key search.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/editing/ExtInplaceEdit.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "platform/controls/keys.h"
#include "platform/core/text.h"

namespace {

bool Down(int virtualKey) { return GetKeyState(virtualKey) < 0; }

bool ClearsSearch(WORD key) {
  switch (key) {
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_LEFT: case VK_RIGHT: case VK_UP:
    case VK_DOWN: case VK_INSERT: case VK_DELETE: return true;
    default: return false;
  }
}

}  // namespace

bool TExtStringGrid::StaticControl(int ACol, int ARow) {
  return HasCheckBox(ACol, ARow) || IsRadio(ACol, ARow) || HasButton(ACol, ARow);
}

void TExtStringGrid::KeyPress(char& Key) {
  const int real = RemapCol(GetCol());
  if (Key == '\x1b') return;  // the editor puts the text back itself
  if (Key == '\r') {
    if (!(Focused() && !StaticControl(real, GetRow()))) {
      AdvanceEdit(GetCol(), GetRow(), true, false, false);
      if (StaticControl(RemapCol(GetCol()), GetRow())) Key = 0;
    }
  } else if (!GetOptions().Contains(goEditing) && Navigation.AutoGotoWhenSorted) {
    KeySearch(Key);
  }
  if (Key) TBaseGrid::KeyPress(Key);
}

void TExtStringGrid::KeySearch(char Key) {
  if (!Navigation.AutoGotoIncremental)
    SearchText = AnsiString(1, Key);
  else if (Key == '\b')
    SearchText = SearchText.empty() ? SearchText : SearchText.substr(0, SearchText.size() - 1);
  else
    SearchText += Key;
  if (SearchText.empty()) return;
  const int row = Search(AnsiUpperCase(SearchText));
  if (row >= 0) SetRow(row);
}

// A static control swallows typing; anything else typed opens the cell's editor with it, and
// an editor control opened so gets the character as its start key.
void TExtStringGrid::WMChar(TWMChar& Message) {
  if (MouseActions.RangeSelectAndEdit) {
    SetOptions(GetOptions() + goEditing);
    OpenEditor();
  } else {
    Message.CharCode = static_cast<unsigned char>(KeypadDecimal(
        static_cast<char>(Message.CharCode), Message.KeyData, ExcelStyleDecimalSeparator));
    if (StaticControl(RemapCol(GetCol()), GetRow()) && Message.CharCode != '\r') return;
  }
  const auto c = static_cast<unsigned char>(Message.CharCode);
  if (!EditActive && (c == '\b' || c >= 32)) edit_->StartKey = static_cast<char>(c);
  TBaseGrid::WMChar(Message);
  if (!EditControlShown) edit_->StartKey = 0;
}

void TExtStringGrid::ToggleByKey() {
  const int col = RemapCol(GetCol()), row = GetRow();
  bool canEdit = GetOptions().Contains(goEditing);
  if (!canEdit) return;
  if (OnCanEditCell) OnCanEditCell(this, row, GetCol(), canEdit);
  if (!canEdit) return;
  if (HasCheckBox(col, row) && ToggleCheck(col, row, true)) {
    bool state = false;
    GetCheckBoxState(col, row, state);
    if (OnCheckBoxClick) OnCheckBoxClick(this, GetCol(), row, state);
  } else if (IsRadio(col, row) && ToggleRadio(col, row, true)) {
    int index = -1;
    GetRadioIdx(col, row, index);
    if (OnRadioClick) OnRadioClick(this, GetCol(), row, index);
  }
}

bool TExtStringGrid::HomeEndKey(WORD Key) {
  if (Navigation.HomeEndKey != heFirstLastRow || (Key != VK_HOME && Key != VK_END)) return false;
  const TRect area = NavigableArea();
  // The last navigable row: footer rows are not data to land on.
  int row = Key == VK_HOME ? area.Top : area.Bottom;
  if (Key == VK_END && GetFooterShown() && GetRowCount() > 2) row = std::min(row, GetRowCount() - 2);
  if (row < GetFixedRows() || row >= GetRowCount()) return true;
  const TRect block = ShownBlock(GetCol(), row);
  SetCol(block.Left);
  SetRow(block.Top);
  return true;
}

bool TExtStringGrid::ClipboardKey(WORD Key, TShiftState Shift) {
  if (!Navigation.AllowClipboardShortCuts) return false;
  const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift);
  auto run = [this](const TClipboardEvent& event, void (TExtStringGrid::*action)()) {
    bool allow = true;
    if (event) event(this, allow);
    if (allow) (this->*action)();
    return true;
  };
  if ((ctrl && Key == 'X') || (shift && Key == VK_DELETE))
    return run(OnClipboardCut, &TExtStringGrid::CutSelectionToClipboard);
  if ((ctrl && Key == 'V') || (shift && Key == VK_INSERT))
    return run(OnClipboardPaste, &TExtStringGrid::PasteSelectionFromClipboard);
  if (ctrl && (Key == 'C' || Key == VK_INSERT))
    return run(OnClipboardCopy, &TExtStringGrid::CopySelectionToClipboard);
  return false;
}

void TExtStringGrid::InsertRowByKey() {
  bool allow = true;
  if (OnCanInsertRow) OnCanInsertRow(this, GetRow(), allow);
  if (!allow) return;
  const bool after = Navigation.InsertPosition == pInsertAfter;
  const int row = GetRow() + (after ? 1 : 0);
  InsertRows(row, 1);
  if (after) SetRow(row);
  if (OnAutoInsertRow) OnAutoInsertRow(this, row);
  CalcFooter(-1);
}

void TExtStringGrid::DeleteRowByKey() {
  const TRect area = NavigableArea();
  const int row = GetRow();
  // Footer rows hold the calculations, not data to delete.
  if (row < area.Top || row > area.Bottom) return;
  bool allow = true;
  if (OnCanDeleteRow) OnCanDeleteRow(this, row, allow);
  if (!allow) return;
  if (area.Bottom == area.Top)
    ClearRows(row, 1);
  else
    RemoveRows(row, 1);
  if (OnAutoDeleteRow) OnAutoDeleteRow(this, row);
  CalcFooter(-1);
}

// The base grid's Tab has landed on a right fixed column: forward it goes on to the next
// row's first navigable column (the first row after the last), backward to the last
// navigable column of the row it chose.
// The right fixed columns refuse the current cell, so a Tab at the navigable area's edge
// either stalls there or lands beyond it; either way it goes on in the next (previous) row.
bool TExtStringGrid::TabMeetsRightCols(TGridCoord From, bool Backward) const {
  if (GetFixedRightCols() <= 0) return false;
  const TRect area = NavigableArea();
  const bool stalled = GetCol() == From.X && GetRow() == From.Y;
  return GetCol() > area.Right || (stalled && From.X == (Backward ? area.Left : area.Right));
}

void TExtStringGrid::TabPastRightCols(int FromRow, bool Backward) {
  const TRect area = NavigableArea();
  const int next = FromRow >= area.Bottom ? area.Top : FromRow + 1;
  const int previous = FromRow <= area.Top ? area.Bottom : FromRow - 1;
  SetCol(Backward ? area.Right : area.Left);
  SetRow(Backward ? previous : next);
}

void TExtStringGrid::WMKeyDown(TWMKeyDown& Message) {
  if (GetPanning()) EndPanning();
  const WORD key = Message.CharCode;
  const TShiftState shift = KeyDataToShiftState(Message.KeyData);
  const bool ctrl = Down(VK_CONTROL) || shift.Contains(ssCtrl);
  const bool shifted = Down(VK_SHIFT) || shift.Contains(ssShift);
  const bool alt = shift.Contains(ssAlt);
  const TGridRect before = GetSelection();
  const int leftCol = GetLeftCol();
  const TGridCoord from{GetCol(), GetRow()};
  if (key == VK_SPACE && StaticControl(RemapCol(GetCol()), GetRow())) ToggleByKey();
  if (HomeEndKey(key)) return;
  const bool tabs = GetOptions().Contains(goTabs);
  if (key == VK_TAB && tabs && IsMergedCell(RemapCol(GetCol()), GetRow())) return TabEdit(shifted);

  TBaseGrid::WMKeyDown(Message);

  const bool vertical = key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN;
  if (vertical && GetOptions().Contains(goRowSelect) && Navigation.KeepHorizScroll) {
    BeginUpdate();
    SetLeftCol(leftCol);
    EndUpdate();
  }
  if (SelectionRectangle && !(GetSelection() == before)) Invalidate();
  TShiftState state;
  if (ctrl) state = state + ssCtrl;
  if (shifted) state = state + ssShift;
  if (ClipboardKey(key, state)) return;
  if (key == VK_INSERT && !ctrl && !shifted && !alt && Navigation.AllowInsertRow)
    return InsertRowByKey();
  const bool selectAll = ctrl && key == 'A';
  if (!selectAll) {
    if ((key == VK_UP || key == VK_DOWN) && MouseActions.DisjunctRowSelect) {
      if (!shifted && !ctrl) ClearRowSelect();
      if (shifted)
        SelectToRowSelect(false);  // the rows from the anchor to the current row
      else
        SetRowSelect(GetRow(), true);
    } else if (key == VK_SPACE && MouseActions.DisjunctRowSelect) {
      SetRowSelect(GetRow(), !GetRowSelect(GetRow()));
    } else if (key == VK_DELETE && !alt && Navigation.AllowDeleteRow) {
      DeleteRowByKey();
    } else if (key == VK_TAB && tabs && TabMeetsRightCols(from, shifted)) {
      TabPastRightCols(from.Y, shifted);
    }
  } else if (GetOptions().Contains(goRowSelect) && GetOptions().Contains(goRangeSelect)) {
    const TRect area = NavigableArea();
    SelectRange(area.Left, area.Right, area.Top, area.Bottom);
  }
}

void TExtStringGrid::KeyUp(WORD& Key, TShiftState Shift) {
  if (ClearsSearch(Key)) SearchText.clear();
  TBaseGrid::KeyUp(Key, Shift);
  const bool arrow = Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN;
  if (Navigation.AlwaysEdit && (arrow || (Key == VK_TAB && GetOptions().Contains(goTabs))))
    OpenEditor();
}
