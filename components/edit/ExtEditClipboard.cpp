// Cut, copy and paste, each open to a veto. A paste passes the rules typing does: the edit
// type's characters, the sign, the length limit; only the clipboard text's first line is
// taken.
#include <algorithm>

#include "components/edit/EditChars.h"
#include "components/edit/ExtEdit.h"
#include "platform/controls/clipboard.h"

using EditChars::IsAlphaNumeric;

AnsiString TExtEdit::SelectedValue() const {
  return GetText().substr(static_cast<std::size_t>(ValueSelStart()),
                          static_cast<std::size_t>(ValueSelLength()));
}

AnsiString TExtEdit::PasteInsert(const AnsiString& Pasted) const {
  AnsiString value = GetText();
  return value.replace(static_cast<std::size_t>(ValueSelStart()),
                       static_cast<std::size_t>(ValueSelLength()), Pasted);
}

void TExtEdit::WMCopy() {
  bool allow = true;
  if (OnClipboardCopy) OnClipboardCopy(this, SelectedValue(), allow);
  if (allow) TCustomEdit::WMCopy();
}

void TExtEdit::WMCut() {
  bool allow = true;
  if (OnClipboardCut) OnClipboardCut(this, SelectedValue(), allow);
  if (allow) TCustomEdit::WMCut();
}

void TExtEdit::WMPaste() {
  if (GetReadOnly()) return;
  if (!Clipboard()->HasFormat(CF_TEXT)) return UpdateLookup();
  AnsiString pasted = Clipboard()->GetAsText();
  pasted = pasted.substr(0, pasted.find_first_of(AnsiString("\r\n\0", 3)));
  bool allow = true;
  if (OnClipboardPaste) OnClipboardPaste(this, SelectedValue(), allow);
  if (!allow) return;
  InsertChecked(pasted);
  UpdateLookup();
}

// Past MaxLength the window would push out what stands at its end, so the inserted text is
// cut to the room left, as typing stops at it; with no room left nothing is inserted.
AnsiString TExtEdit::FittingMaxLength(const AnsiString& Pasted) const {
  const int maxLength = GetMaxLength();
  if (maxLength <= 0) return Pasted;
  const int kept = static_cast<int>(TCustomEdit::GetText().size()) - ValueSelLength();
  return Pasted.substr(0, static_cast<std::size_t>(std::max(0, maxLength - kept)));
}

bool TExtEdit::InsertChecked(const AnsiString& Inserted) {
  const AnsiString Pasted = FittingMaxLength(Inserted);
  if (Pasted.empty() && !Inserted.empty()) return false;
  const int start = PrefixLength() + ValueSelStart();
  const bool selected = ValueSelLength() > 0;
  AnsiString value = PasteInsert(Pasted);
  if (!PasteAccepted(Pasted, value)) return false;
  WriteValue(value);
  if (editType_ == etFloat || editType_ == etMoney) SetFloat(GetFloat());
  SetModified(true);
  if (editType_ == etMoney && GetText().size() > 3) {
    SelectAll();
  } else {
    int length = static_cast<int>(Pasted.size());
    SetSelStart(selected ? start : start + length);
    if (selected) SetSelLength(length);
  }
  return true;
}

bool TExtEdit::PasteAccepted(const AnsiString& Pasted, AnsiString& Value) const {
  if (LengthLimit > 0 && FixedLength(Value) - 1 > LengthLimit) return false;
  // A minus only as the sign, and only where the edit takes one.
  std::size_t minus = Value.find('-');
  bool signFits = minus == AnsiString::npos || (Signed && minus == 0);
  Extedit::TAutoType read = Extedit::IsType(Value);
  switch (editType_) {
    case etString:
    case etPassword: return true;
    case etNumeric: return signFits && read == Extedit::atNumeric;
    case etFloat:
    case etMoney:
      if (precision_ == 0 && Pasted.find(DecimalSeparator) != AnsiString::npos) return false;
      return signFits && (read == Extedit::atNumeric || read == Extedit::atFloat);
    case etUppercase: Value = AnsiUpperCase(Value); return true;
    case etLowerCase: Value = AnsiLowerCase(Value); return true;
    case etMixedCase: Value = MixedCase(Value); return true;
    case etAlphaNumeric:
      return std::all_of(Value.begin(), Value.end(), IsAlphaNumeric);
    case etRange:
    case etHex: return false;
  }
  return false;
}
