#include "platform/stdctrls/maskedit.h"

#include <QTimer>

#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/core/sound.h"
#include "platform/stdctrls/qt/qt_edit_box.h"

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner, EditBox* box) : TCustomEdit(AOwner, box) {}

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
  if (!IsMasked() || !GetModified()) return;
  const int gap = mask_.FirstGap(GetEditText());
  if (gap < 0) return;
  TForm* form = GetParentForm(this);
  if (CanFocus() && form && form->GetVisible() && !Focused()) {
    reEnter_ = true;
    SetFocus();
  }
  SetSelStart(gap);
  MessageBeep(0);
  throw EDBEditError("Invalid input value.  Use escape key to abandon changes");
}

void TCustomMaskEdit::Reset() {
  if (!GetModified()) return;
  SetEditText(oldValue_);
  SetModified(false);
}

void TCustomMaskEdit::DoEnter() {
  if (!reEnter_) oldValue_ = GetEditText();
  reEnter_ = false;
  TCustomEdit::DoEnter();
}

// The check waits until the focus has moved on: bringing it back in the middle of the move
// would leave the form's focus steps half done. A form that closed meanwhile checks nothing.
void TCustomMaskEdit::DoExit() {
  TCustomEdit::DoExit();
  if (!IsMasked() || !GetModified() || mask_.Complete(GetEditText())) return;
  // The widget as the timer's context: an edit freed meanwhile is not called.
  QTimer::singleShot(0, Widget(), [this] {
    TForm* form = GetParentForm(this);
    if (!Focused() && CanFocus() && form && form->GetVisible())
      Application->HandleEvent([this] { ValidateEdit(); });
  });
}

void TCustomMaskEdit::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  TCustomEdit::CMWantSpecialKey(Message);
  if (Message.CharCode == VK_ESCAPE && IsMasked() && GetModified()) Message.Result = 1;
}

void TCustomMaskEdit::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomEdit::KeyDown(Key, Shift);
  if (Key == VK_ESCAPE && IsMasked()) Reset();
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
