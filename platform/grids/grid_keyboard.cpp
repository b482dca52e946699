// The keyboard of TCustomGrid: navigation keys move the current cell (Shift extends a range
// selection), F2, Enter and typing open the editor, Enter and Escape close it.
#include "platform/grids/grid.h"
#include "platform/grids/grid_navigation.h"
#include "platform/grids/inplace_edit.h"

namespace {

bool StepOf(WORD key, TShiftState shift, TGridOptions options, GridStep& step) {
  switch (key) {
    case VK_UP: step = GridStep::Up; return true;
    case VK_DOWN: step = GridStep::Down; return true;
    case VK_LEFT: step = GridStep::Left; return true;
    case VK_RIGHT: step = GridStep::Right; return true;
    case VK_PRIOR: step = GridStep::PageUp; return true;
    case VK_NEXT: step = GridStep::PageDown; return true;
    case VK_HOME: step = GridStep::Home; return true;
    case VK_END: step = GridStep::End; return true;
    case VK_TAB:
      if (!options.Contains(goTabs) || shift.Contains(ssAlt) || shift.Contains(ssCtrl))
        return false;
      step = shift.Contains(ssShift) ? GridStep::BackTab : GridStep::Tab;
      return true;
    default: return false;
  }
}

bool Editable(TGridOptions options) {
  return options.Contains(goEditing) && !options.Contains(goRowSelect);
}

}  // namespace

void TCustomGrid::WMGetDlgCode(TWMGetDlgCode& Message) {
  Message.Result = DLGC_WANTARROWS;
  if (GetOptions().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
  if (GetOptions().Contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
}

void TCustomGrid::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == VK_F2 && Editable(GetOptions())) {
    SetEditorMode(true);
    Key = 0;
  } else if (Key == VK_ESCAPE && editorMode_ && inplaceEdit_) {
    inplaceEdit_->Revert();
    if (!GetOptions().Contains(goAlwaysShowEditor)) HideEditor();
    Key = 0;
  } else if (Key && NavigationKey(Key, Shift)) {
    Key = 0;
  }
}

bool TCustomGrid::NavigationKey(WORD key, TShiftState shift) {
  GridStep step;
  if (!StepOf(key, shift, GetOptions(), step)) return false;
  TGridMoveTarget target = GridStepTarget(shape_, step, shift.Contains(ssCtrl));
  bool tab = step == GridStep::Tab || step == GridStep::BackTab;
  bool extend = shift.Contains(ssShift) && !tab && GetOptions().Contains(goRangeSelect);
  if (target.topLeft != TopLeft()) SetTopLeft(target.topLeft);
  if (target.cell != shape_.Current() && shape_.IsCell(target.cell.X, target.cell.Y))
    FocusCell(target.cell.X, target.cell.Y, !extend);
  return true;
}

// Enter opens the editor and, in it, closes it; with goAlwaysShowEditor it selects the text.
void TCustomGrid::KeyPress(char& Key) {
  TCustomControl::KeyPress(Key);
  if (Key != '\r' || !Editable(GetOptions())) return;
  if (!editorMode_) {
    ShowEditor();
  } else if (GetOptions().Contains(goAlwaysShowEditor)) {
    UpdateText();
    if (inplaceEdit_) inplaceEdit_->SelectAll();
  } else {
    HideEditor();
  }
  Key = 0;
}

// A character typed into the grid itself opens the editor with it.
void TCustomGrid::WMChar(TWMChar& Message) {
  char c = static_cast<char>(Message.CharCode);
  bool typed = c == '\b' || static_cast<unsigned char>(c) >= 32;
  if (typed && Editable(GetOptions()) && !EditorFocused())
    ShowEditorChar(c);
  else
    TCustomControl::WMChar(Message);
}
