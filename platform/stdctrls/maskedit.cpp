#include "platform/stdctrls/maskedit.h"

#include "platform/core/sound.h"
#include "platform/stdctrls/qt/qt_edit_box.h"

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomMaskEdit::SetEditMask(const AnsiString& value) {
  const AnsiString text = GetText();
  editMask_ = value;
  mask_ = TEditMask(value);
  Box().SetMask(mask_);
  RealSetText(text);
}

AnsiString TCustomMaskEdit::GetEditText() const { return TCustomEdit::RealGetText(); }

void TCustomMaskEdit::SetEditText(const AnsiString& value) { TCustomEdit::RealSetText(value); }

void TCustomMaskEdit::ValidateEdit() {
  if (IsMasked() && !mask_.Complete(GetEditText()))
    throw EDBEditError("Invalid input value.  Use escape key to abandon changes");
}

AnsiString TCustomMaskEdit::RealGetText() const {
  return IsMasked() ? mask_.TextOf(GetEditText()) : TCustomEdit::RealGetText();
}

void TCustomMaskEdit::RealSetText(const AnsiString& value) {
  TCustomEdit::RealSetText(IsMasked() ? mask_.EditTextOf(value) : value);
}

// The character goes to the first input position at or after the caret; one that position
// refuses beeps. Past the last position nothing is typed.
void TCustomMaskEdit::KeyPress(char& Key) {
  TCustomEdit::KeyPress(Key);
  if (!IsMasked() || static_cast<unsigned char>(Key) < 32) return;
  const int position = mask_.NextInput(GetSelStart());
  if (position >= 0 && !mask_.Accepts(position, Key)) {
    Key = 0;
    MessageBeep(0);
  }
}
