// The keyboard path of a windowed control, in the order the class library's message loop
// runs it.
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "platform/controls/forms.h"
#include "platform/controls/qt/qt_control_events.h"
#include "platform/controls/wincontrol.h"

namespace {
// The dialog-code flag a control needs to keep a key from the form; 0 for ordinary keys.
LRESULT DialogMask(WORD key) {
  switch (key) {
    case VK_TAB: return DLGC_WANTTAB;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: return DLGC_WANTARROWS;
    case VK_RETURN: case VK_EXECUTE: case VK_ESCAPE: case VK_CANCEL: return DLGC_WANTALLKEYS;
    default: return 0;
  }
}
}  // namespace

bool TWinControl::IsDialogKey(WORD key, int keyData) {
  LRESULT mask = DialogMask(key);
  if (!mask) return false;
  TCMWantSpecialKey want{key, 0};
  CMWantSpecialKey(want);
  if (want.Result) return false;
  TWMGetDlgCode code;
  WMGetDlgCode(code);
  if (code.Result & mask) return false;
  TWinControl* form = GetParentForm(this);
  return form && form->CMDialogKey(key, KeyDataToShiftState(keyData));
}

// The form offers a character to its controls unless the focused control types it; with Alt
// a letter or digit types nothing, and is offered all the same (AltGr, Ctrl and Alt, types).
bool TWinControl::IsDialogChar(char c, int keyData) {
  const TShiftState shift = KeyDataToShiftState(keyData);
  if (!shift.Contains(ssAlt) || shift.Contains(ssCtrl)) {
    TWMGetDlgCode code;
    WMGetDlgCode(code);
    if (TakesCharacters() || (code.Result & DLGC_WANTCHARS)) return false;
  }
  TWinControl* form = GetParentForm(this);
  return form && form->CMDialogChar(c, shift);
}

void TWinControl::ProcessKeyDown(WORD key, int keyData, const AnsiString& chars) {
  QPointer<QWidget> alive(Widget());
  if (key && IsDialogKey(key, keyData)) return;  // the form used it: no key-down, no character
  TWMKey message{WM_KEYDOWN, key, keyData, 0};
  ControlEvents::KeyDownChars scope(chars);
  WMKeyDown(message);
  const TShiftState shift = KeyDataToShiftState(keyData);
  const bool alnum = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
  if (alive && alnum && shift.Contains(ssAlt) && !shift.Contains(ssCtrl)) {
    const bool lower = key >= 'A' && !shift.Contains(ssShift);
    IsDialogChar(static_cast<char>(lower ? key - 'A' + 'a' : key), keyData);
  }
  for (char c : chars) {
    if (!alive) return;
    ProcessChar(c, keyData);
  }
}

void TWinControl::ProcessChar(char c, int keyData) {
  if (IsDialogChar(c, keyData)) return;
  TWMKey message{WM_CHAR, static_cast<WORD>(static_cast<unsigned char>(c)), keyData, 0};
  WMChar(message);
}

void TWinControl::ProcessKeyUp(WORD key, int keyData) {
  TWMKey message{WM_KEYUP, key, keyData | KF_REPEAT | KF_UP, 0};
  WMKeyUp(message);
}

void TWinControl::WMKeyDown(TWMKeyDown& Message) {
  if (!DoKeyDown(Message)) DefaultKeyHandler(Message);
}

void TWinControl::WMKeyUp(TWMKeyUp& Message) {
  if (!DoKeyUp(Message)) DefaultKeyHandler(Message);
}

void TWinControl::WMChar(TWMChar& Message) {
  if (!DoKeyPress(Message)) DefaultKeyHandler(Message);
}

void TWinControl::WMGetDlgCode(TWMGetDlgCode& Message) { Message.Result = 0; }

void TWinControl::CMWantSpecialKey(TCMWantSpecialKey& Message) { Message.Result = 0; }

namespace {
// True once a windowed child used what Offer hands it.
template <typename Offer>
bool OfferChildren(const std::vector<TControl*>& controls, Offer offer) {
  for (TControl* child : controls)
    if (auto* win = dynamic_cast<TWinControl*>(child); win && offer(*win)) return true;
  return false;
}
}  // namespace

bool TWinControl::CMDialogKey(WORD Key, TShiftState Shift) {
  return OfferChildren(controls_,
                       [&](TWinControl& child) { return child.CMDialogKey(Key, Shift); });
}

bool TWinControl::CMDialogChar(char Key, TShiftState Shift) {
  return OfferChildren(controls_,
                       [&](TWinControl& child) { return child.CMDialogChar(Key, Shift); });
}

namespace {
// The form of a control when it previews its controls' keys.
TWinControl* PreviewingForm(TWinControl* control) {
  TForm* form = GetParentForm(control);
  return form && form != control && form->KeyPreview ? form : nullptr;
}
}  // namespace

bool TWinControl::DoKeyDown(TWMKey& Message) {
  if (TWinControl* form = PreviewingForm(this); form && form->DoKeyDown(Message)) return true;
  if (ControlStyle.Contains(csNoStdEvents)) return false;
  KeyDown(Message.CharCode, KeyDataToShiftState(Message.KeyData));
  return Message.CharCode == 0;
}

bool TWinControl::DoKeyUp(TWMKey& Message) {
  if (TWinControl* form = PreviewingForm(this); form && form->DoKeyUp(Message)) return true;
  if (ControlStyle.Contains(csNoStdEvents)) return false;
  KeyUp(Message.CharCode, KeyDataToShiftState(Message.KeyData));
  return Message.CharCode == 0;
}

bool TWinControl::DoKeyPress(TWMKey& Message) {
  if (TWinControl* form = PreviewingForm(this); form && form->DoKeyPress(Message)) return true;
  if (ControlStyle.Contains(csNoStdEvents)) return false;
  char key = static_cast<char>(Message.CharCode);
  KeyPress(key);
  Message.CharCode = static_cast<unsigned char>(key);
  return key == 0;
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::DefaultKeyHandler(TWMKey& Message) { ControlEvents::ForwardKey(this, Message); }

bool PostMessage(HWND window, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (!window || (Msg != WM_KEYDOWN && Msg != WM_KEYUP && Msg != WM_CHAR)) return false;
  QPointer<QWidget> alive(window->Widget());
  QTimer::singleShot(0, window->Widget(), [=] {
    if (alive) ControlEvents::DeliverPosted(window, Msg, wParam, lParam);
  });
  return true;
}
