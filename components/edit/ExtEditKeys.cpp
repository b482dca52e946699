// The key-down filter: the caret keeps out of Prefix and Suffix, Delete keeps to the length
// limit, Enter can act as Tab; and Enter and Esc, which the edit keeps from the form, reach
// its parent as posted keys.
#include "components/edit/ExtEdit.h"
#include "components/edit/ParentKeys.h"
#include "platform/controls/forms.h"

void TExtEdit::WMKeyDown(TWMKeyDown& Message) {
  const TShiftState shift = KeyDataToShiftState(Message.KeyData);
  WORD key = Message.CharCode;
  if (LookupKeyDown(key, shift)) return;
  if (key == VK_RETURN && ReturnIsTab) {
    key = Message.CharCode = VK_TAB;
    if (GetVisible()) PostMessage(GetHandle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (FilterKeyDown(key, shift)) return;
  TCustomEdit::WMKeyDown(Message);
  if (key == VK_DELETE && editType_ == etMoney) AutoSeparators();
  if (GetSelLength() == 0 && GetSelStart() < PrefixLength()) SetSelStart(PrefixLength());
}

// True when the key was handled here and goes no further.
bool TExtEdit::FilterKeyDown(WORD Key, TShiftState Shift) {
  const int prefixEnd = PrefixLength(), valueEnd = ValueEnd();
  const int selStart = GetSelStart(), selLength = GetSelLength();
  const int selEnd = selStart + selLength;
  const bool shift = Shift.Contains(ssShift);
  if (!suffix_.empty()) {
    if (Key == VK_RIGHT && selEnd >= valueEnd) return true;
    if (Key == VK_DELETE) {
      if (selLength == 0 && selEnd >= valueEnd) return true;
      SetModified(true);
    }
    if (Key == VK_END) {
      SetSelStart(shift ? selStart : valueEnd);
      if (shift) SetSelLength(valueEnd - selStart);
      return true;
    }
  }
  if (!prefix_.empty()) {
    if (Key == VK_LEFT && selEnd <= prefixEnd) return true;
    if (Key == VK_HOME) {
      // With Shift the whole value, anchored at its end, so the caret stands at its start.
      SetSelStart(shift ? valueEnd : prefixEnd);
      if (shift) SetSelLength(prefixEnd - valueEnd);
      return true;
    }
    if (Key == VK_BACK) {
      if (selStart <= prefixEnd + 1) return true;
      SetModified(true);
    }
  }
  if (Key == VK_DELETE && selStart >= prefixEnd) {
    if (LengthLimit > 0 && FixedLength(ValueAfterDeletion(true)) - 1 > LengthLimit) return true;
    SetModified(true);
  }
  return false;
}

// The edit keeps Enter, and Esc while it can undo; the parent gets them posted, so its
// default and cancel buttons still answer them. A form that previews keys sees Enter as it
// comes and gets no second one.
void TExtEdit::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  if (Message.CharCode == VK_ESCAPE && canUndo_) {
    SetText(undoText_);
    GetFont()->SetColor(FocusFontColor);
    SelectAll();
    SetModified(false);
    Message.Result = 1;
    PostKeyToParent(*this, VK_ESCAPE);
    return;
  }
  if (Message.CharCode == VK_RETURN) {
    auto* form = dynamic_cast<TForm*>(GetParent());
    // While the lookup list shows, Enter chooses from it and goes no further.
    if ((!form || !form->KeyPreview) && !LookupShown()) PostKeyToParent(*this, VK_RETURN);
    Message.Result = 1;
    return;
  }
  TCustomEdit::CMWantSpecialKey(Message);
}
