// The spin edit's keyboard: the arrow keys step, refused characters beep, Enter may move on;
// and what entering and leaving the control do.
#include <algorithm>

#include "components/grid/controls/EsgSpinEdit.h"
#include "platform/core/sound.h"

namespace {

bool IsControl(char c) { return static_cast<unsigned char>(c) < 32; }

int Count(const AnsiString& text, char c) {
  return static_cast<int>(std::count(text.begin(), text.end(), c));
}

}  // namespace

void TEsgSpinEdit::WMKeyDown(TWMKeyDown& Message) {
  if (Message.CharCode == VK_UP) return UpClick(this);
  if (Message.CharCode == VK_DOWN) return DownClick(this);
  TCustomMaskEdit::WMKeyDown(Message);
}

// Enter must reach KeyDown to move on.
void TEsgSpinEdit::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCustomMaskEdit::WMGetDlgCode(Message);
  if (ReturnIsTab) Message.Result |= DLGC_WANTALLKEYS;
}

void TEsgSpinEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_RETURN && ReturnIsTab) {
    Key = 0;
    PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_DELETE && !editorEnabled_) Key = 0;
  TCustomMaskEdit::KeyDown(Key, Shift);
}

void TEsgSpinEdit::KeyPress(char& Key) {
  if (Key == '\r' && ReturnIsTab) {
    Key = 0;  // it moved on as Tab
  } else if (!IsValidChar(Key)) {
    Key = 0;
    MessageBeep(0);
  }
  if (Key) TCustomMaskEdit::KeyPress(Key);
}

bool TEsgSpinEdit::IsValidChar(char& Key) {
  if (!editorEnabled_) return IsControl(Key) && Key != '\b';
  bool valid = Key == '+' || Key == '-' || (Key >= '0' && Key <= '9') || Key == DecimalSeparator ||
               Key == ThousandSeparator || (Key == TimeSeparator && spinType_ == sptTime) ||
               (Key == DateSeparator && spinType_ == sptDate) || (IsControl(Key) && Key != '\r');
  if (!valid) return false;
  const AnsiString text = GetText();
  if (spinType_ == sptFloat && Key != '\b' && Key != '\r' && Key != 27) {
    if (Key == ThousandSeparator) Key = DecimalSeparator;
    // What the typing replaces does not count.
    AnsiString kept = text;
    kept.erase(static_cast<std::size_t>(GetSelStart()), static_cast<std::size_t>(GetSelLength()));
    if (Key == DecimalSeparator && kept.find(DecimalSeparator) != AnsiString::npos) return false;
    const int separator = Pos(AnsiString(1, DecimalSeparator), text);
    const bool fractionFull = separator > 0 && GetSelLength() == 0 && GetSelStart() >= separator &&
                              static_cast<int>(text.size()) - separator >= precision_;
    if (precision_ >= 1 && !IsControl(Key) && fractionFull) return false;
  }
  if (spinType_ == sptTime && Key == TimeSeparator && Count(text, TimeSeparator) >= 2) return false;
  return true;
}

void TEsgSpinEdit::WMPaste() {
  if (Editable()) TCustomMaskEdit::WMPaste();
}

void TEsgSpinEdit::WMCut() {
  if (Editable()) TCustomMaskEdit::WMCut();
}

// Coming by a click places the caret where it falls, unless typing is off.
void TEsgSpinEdit::DoEnter() {
  TCustomMaskEdit::DoEnter();
  if (AutoSelect && !editorEnabled_) SelectAll();
}

void TEsgSpinEdit::DoExit() {
  KeepInBounds();
  TCustomMaskEdit::DoExit();
}
