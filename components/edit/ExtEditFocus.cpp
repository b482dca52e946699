// The value around focus changes and text changes: the undo text at focus entry, formatting
// and validation when the focus leaves, validation at every change; the look follows.
#include "components/edit/ExtEdit.h"

void TExtEdit::Change() {
  TCustomEdit::Change();
  if (Loading()) return;
  bool valid = true;
  if (OnValueValidate) OnValueValidate(this, GetText(), valid);
  if (ShowError) SetError(!valid);
  if (transparent_) Invalidate();
  TestURLLook();
}

void TExtEdit::WMSetFocus() {
  TCustomEdit::WMSetFocus();
  focusedByPress_ = GetKeyState(VK_LBUTTON) < 0;
  if (Loading()) return;
  undoText_ = GetText();
  if (AutoSelect) SelectAll();
  else if (editType_ == etFloat || editType_ == etMoney) SelectBeforeDecimal();
  EnterLook();
}

void TExtEdit::WMKillFocus() {
  if (!Loading()) LeaveLook();
  if (!Loading()) {
    const bool floating = editType_ == etFloat || editType_ == etMoney;
    if (floating && GetText().empty()) SetFloat(0);
    if (floating && precision_ > 0) SetFloat(GetFloat());
    if (editType_ == etNumeric && GetText().empty()) SetText("0");
    bool valid = true;
    if (OnValueValidate) OnValueValidate(this, GetText(), valid);
  }
  TCustomEdit::WMKillFocus();
  if (!Loading()) RestoreAlignAndWidth();
}

// The selection at focus entry is the value's (WMSetFocus), not the whole window text's.
void TExtEdit::DoEnter() { TWinControl::DoEnter(); }
