// The keyboard: Enter advances, Space toggles check boxes and radio groups, Home and End by
// rows, Tab over merged blocks, clipboard shortcuts, inserting and deleting rows, disjunct row
// selection and the incremental key search.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/editing/ExtInplaceEdit.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "components/grid/grid/input/Keys.h"
#include "components/grid/grid/input/Timers.h"
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

bool TExtStringGrid::Keys::StaticControl(int ACol, int ARow) {
  return g.HasCheckBox(ACol, ARow) || g.IsRadio(ACol, ARow) || g.HasButton(ACol, ARow);
}

void TExtStringGrid::KeyPress(char& Key) {
  Keys keys(*this);
  const int real = RemapCol(GetCol());
  if (Key == '\x1b') return;  // the editor puts the text back itself
  if (Key == '\r') {
    if (!(Focused() && !keys.StaticControl(real, GetRow()))) {
      AdvanceEdit(GetCol(), GetRow(), true, false, false);
      if (keys.StaticControl(RemapCol(GetCol()), GetRow())) Key = 0;
    }
  } else if (!GetOptions().Contains(goEditing) && Navigation.AutoGotoWhenSorted) {
    keys.KeySearch(Key);
  }
  if (Key) TBaseGrid::KeyPress(Key);
}

void TExtStringGrid::Keys::KeySearch(char Key) {
  AnsiString& text = g.SearchText;
  if (!g.Navigation.AutoGotoIncremental)
    text = AnsiString(1, Key);
  else if (Key == '\b')
    text = text.empty() ? text : text.substr(0, text.size() - 1);
  else
    text += Key;
  if (text.empty()) return;
  const int row = g.Search(AnsiUpperCase(text));
  if (row >= 0) g.SetRow(row);
}

// A static control swallows typing; anything else typed opens the cell's editor with it, and
// an editor control opened so gets the character as its start key.
void TExtStringGrid::WMChar(TWMChar& Message) {
  Keys keys(*this);
  if (MouseActions.RangeSelectAndEdit) {
    SetOptions(GetOptions() + goEditing);
    keys.OpenEditor();
  } else {
    Message.CharCode = static_cast<unsigned char>(KeypadDecimal(
        static_cast<char>(Message.CharCode), Message.KeyData, ExcelStyleDecimalSeparator));
    if (keys.StaticControl(RemapCol(GetCol()), GetRow()) && Message.CharCode != '\r') return;
  }
  const auto c = static_cast<unsigned char>(Message.CharCode);
  if (!EditActive && (c == '\b' || c >= 32)) d_->edit->StartKey = static_cast<char>(c);
  TBaseGrid::WMChar(Message);
  if (!EditControlShown) d_->edit->StartKey = 0;
}

void TExtStringGrid::Keys::ToggleByKey() {
  const int col = g.RemapCol(g.GetCol()), row = g.GetRow();
  bool canEdit = g.GetOptions().Contains(goEditing);
  if (!canEdit) return;
  if (g.OnCanEditCell) g.OnCanEditCell(&g, row, g.GetCol(), canEdit);
  if (!canEdit) return;
  if (g.HasCheckBox(col, row) && g.ToggleCheck(col, row, true)) {
    bool state = false;
    g.GetCheckBoxState(col, row, state);
    if (g.OnCheckBoxClick) g.OnCheckBoxClick(&g, g.GetCol(), row, state);
  } else if (g.IsRadio(col, row) && g.ToggleRadio(col, row, true)) {
    int index = -1;
    g.GetRadioIdx(col, row, index);
    if (g.OnRadioClick) g.OnRadioClick(&g, g.GetCol(), row, index);
  }
}

bool TExtStringGrid::Keys::HomeEndKey(WORD Key) {
  if (g.Navigation.HomeEndKey != heFirstLastRow || (Key != VK_HOME && Key != VK_END)) return false;
  const TRect area = NavigableArea();
  // The last navigable row: footer rows are not data to land on.
  int row = Key == VK_HOME ? area.Top : area.Bottom;
  if (Key == VK_END && g.GetFooterShown() && g.GetRowCount() > 2)
    row = std::min(row, g.GetRowCount() - 2);
  if (row < g.GetFixedRows() || row >= g.GetRowCount()) return true;
  const TRect block = g.ShownBlock(g.GetCol(), row);
  g.SetCol(block.Left);
  g.SetRow(block.Top);
  return true;
}

bool TExtStringGrid::Keys::ClipboardKey(WORD Key, TShiftState Shift) {
  if (!g.Navigation.AllowClipboardShortCuts) return false;
  const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift);
  auto run = [this](const TClipboardEvent& event, void (TExtStringGrid::*action)()) {
    bool allow = true;
    if (event) event(&g, allow);
    if (allow) (g.*action)();
    return true;
  };
  if ((ctrl && Key == 'X') || (shift && Key == VK_DELETE))
    return run(g.OnClipboardCut, &TExtStringGrid::CutSelectionToClipboard);
  if ((ctrl && Key == 'V') || (shift && Key == VK_INSERT))
    return run(g.OnClipboardPaste, &TExtStringGrid::PasteSelectionFromClipboard);
  if (ctrl && (Key == 'C' || Key == VK_INSERT))
    return run(g.OnClipboardCopy, &TExtStringGrid::CopySelectionToClipboard);
  return false;
}

void TExtStringGrid::Keys::InsertRowByKey() {
  bool allow = true;
  if (g.OnCanInsertRow) g.OnCanInsertRow(&g, g.GetRow(), allow);
  if (!allow) return;
  const bool after = g.Navigation.InsertPosition == pInsertAfter;
  const int row = g.GetRow() + (after ? 1 : 0);
  g.InsertRows(row, 1);
  if (after) g.SetRow(row);
  if (g.OnAutoInsertRow) g.OnAutoInsertRow(&g, row);
  g.CalcFooter(-1);
}

void TExtStringGrid::Keys::DeleteRowByKey() {
  const TRect area = NavigableArea();
  const int row = g.GetRow();
  // Footer rows hold the calculations, not data to delete.
  if (row < area.Top || row > area.Bottom) return;
  bool allow = true;
  if (g.OnCanDeleteRow) g.OnCanDeleteRow(&g, row, allow);
  if (!allow) return;
  if (area.Bottom == area.Top)
    g.ClearRows(row, 1);
  else
    g.RemoveRows(row, 1);
  if (g.OnAutoDeleteRow) g.OnAutoDeleteRow(&g, row);
  g.CalcFooter(-1);
}

// The base grid's Tab has landed on a right fixed column: forward it goes on to the next
// row's first navigable column (the first row after the last), backward to the last
// navigable column of the row it chose.
// The right fixed columns refuse the current cell, so a Tab at the navigable area's edge
// either stalls there or lands beyond it; either way it goes on in the next (previous) row.
bool TExtStringGrid::Keys::TabMeetsRightCols(TGridCoord From, bool Backward) const {
  if (g.GetFixedRightCols() <= 0) return false;
  const TRect area = NavigableArea();
  const bool stalled = g.GetCol() == From.X && g.GetRow() == From.Y;
  return g.GetCol() > area.Right || (stalled && From.X == (Backward ? area.Left : area.Right));
}

void TExtStringGrid::Keys::TabPastRightCols(int FromRow, bool Backward) {
  const TRect area = NavigableArea();
  const int next = FromRow >= area.Bottom ? area.Top : FromRow + 1;
  const int previous = FromRow <= area.Top ? area.Bottom : FromRow - 1;
  g.SetCol(Backward ? area.Right : area.Left);
  g.SetRow(Backward ? previous : next);
}

void TExtStringGrid::WMKeyDown(TWMKeyDown& Message) {
  if (GetPanning()) Timers(*this).EndPanning();
  Keys keys(*this);
  const WORD key = Message.CharCode;
  const TShiftState shift = KeyDataToShiftState(Message.KeyData);
  const bool ctrl = Down(VK_CONTROL) || shift.Contains(ssCtrl);
  const bool shifted = Down(VK_SHIFT) || shift.Contains(ssShift);
  const bool alt = shift.Contains(ssAlt);
  const TGridRect before = GetSelection();
  const int leftCol = GetLeftCol();
  const TGridCoord from{GetCol(), GetRow()};
  if (key == VK_SPACE && keys.StaticControl(RemapCol(GetCol()), GetRow())) keys.ToggleByKey();
  if (keys.HomeEndKey(key)) return;
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
  if (keys.ClipboardKey(key, state)) return;
  if (key == VK_INSERT && !ctrl && !shifted && !alt && Navigation.AllowInsertRow)
    return keys.InsertRowByKey();
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
      keys.DeleteRowByKey();
    } else if (key == VK_TAB && tabs && keys.TabMeetsRightCols(from, shifted)) {
      keys.TabPastRightCols(from.Y, shifted);
    }
  } else if (GetOptions().Contains(goRowSelect) && GetOptions().Contains(goRangeSelect)) {
    const TRect area = keys.NavigableArea();
    SelectRange(area.Left, area.Right, area.Top, area.Bottom);
  }
}

void TExtStringGrid::KeyUp(WORD& Key, TShiftState Shift) {
  if (ClearsSearch(Key)) SearchText.clear();
  TBaseGrid::KeyUp(Key, Shift);
  const bool arrow = Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN;
  if (Navigation.AlwaysEdit && (arrow || (Key == VK_TAB && GetOptions().Contains(goTabs))))
    Keys(*this).OpenEditor();
}
