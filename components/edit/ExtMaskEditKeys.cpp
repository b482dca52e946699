// The masked edit's keys and focus: Enter as Tab, the Esc undo, the announcement of a filled
// mask; the focus colours and the text Esc returns to.
#include "components/edit/ExtMaskEdit.h"
#include "components/edit/ParentKeys.h"

void TExtMaskEdit::WMSetFocus() {
  TMaskEdit::WMSetFocus();
  typed_ = false;
  if (Loading()) return;
  SetColor(FocusColor);
  if (!(ShowModified && GetModified())) {
    normalFontColor_ = GetFont()->GetColor();
    GetFont()->SetColor(FocusFontColor);
  }
  undoText_ = GetText();
  if (IsMasked() && SelectFirstChar)
    SelectFirst();
  else if (AutoSelect)
    SelectAll();
}

void TExtMaskEdit::WMKillFocus() {
  if (!Loading()) {
    SetColor(normalColor_);
    GetFont()->SetColor(RestingFontColor());
  }
  TMaskEdit::WMKillFocus();
}

void TExtMaskEdit::DoEnter() {
  TMaskEdit::DoEnter();
  if (IsMasked() && SelectFirstChar) SelectFirst();
}

void TExtMaskEdit::SelectFirst() {
  SetSelStart(0);
  SetSelLength(1);
}

// Enter with ReturnIsTab and Esc with CanUndo come to the edit instead of the form.
void TExtMaskEdit::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  TMaskEdit::CMWantSpecialKey(Message);
  if ((Message.CharCode == VK_RETURN && ReturnIsTab) || (Message.CharCode == VK_ESCAPE && CanUndo))
    Message.Result = 1;
}

void TExtMaskEdit::WMKeyDown(TWMKeyDown& Message) {
  if (Message.CharCode == VK_RETURN && ReturnIsTab) {
    Message.CharCode = VK_TAB;
    PostMessage(GetHandle(), WM_KEYDOWN, VK_TAB, 0);
  } else if (Message.CharCode == VK_ESCAPE && CanUndo) {
    SetText(undoText_);
    GetFont()->SetColor(FocusFontColor);
    SelectAll();
    PostKeyToParent(*this, VK_ESCAPE);
  }
  TMaskEdit::WMKeyDown(Message);
  // The masked edit's own Esc reset leaves the modified look too.
  if (ShowModified && !GetModified()) GetFont()->SetColor(FocusFontColor);
}

// Only a character that changed the text can have filled the mask.
void TExtMaskEdit::WMChar(TWMChar& Message) {
  if (Message.CharCode == '\r' && ReturnIsTab) return;
  const AnsiString before = GetEditText();
  TMaskEdit::WMChar(Message);
  if (GetEditText() == before) return;
  typed_ = true;
  if (ShowModified && GetModified()) GetFont()->SetColor(ModifiedColor);
}

// Shift+Insert pastes with no character: the key-up that follows announces what it filled.
void TExtMaskEdit::WMPaste() {
  const AnsiString before = GetEditText();
  TMaskEdit::WMPaste();
  if (GetEditText() != before) typed_ = true;
}

void TExtMaskEdit::KeyUp(WORD& Key, TShiftState Shift) {
  TMaskEdit::KeyUp(Key, Shift);
  if (!typed_) return;
  typed_ = false;
  CheckComplete();
}

// Filled: every position holds a character, and the caret stands after the last.
void TExtMaskEdit::CheckComplete() {
  const AnsiString shown = GetEditText();
  if (!IsMasked() || !Mask().Filled(shown)) return;
  if (GetSelStart() != static_cast<int>(shown.size()) || GetSelLength() != 0) return;
  bool accept = true;
  if (OnMaskComplete) OnMaskComplete(this, GetText(), accept);
  if (AutoTab && accept) PostMessage(GetHandle(), WM_KEYDOWN, VK_TAB, 0);
}
