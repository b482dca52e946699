// Cut, copy and paste, each open to a veto. A paste passes the rules typing does: the edit
// type's characters, the sign, the length limit (a longer text is cut to it); only the
// clipboard text's first line is taken.
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

// Counted as typing counts it: the characters before the decimal separator, thousand
// separators not. A decimal separator in the inserted text ends the count there, so a text
// that brings one may fit whole where its digits alone would not.
AnsiString TExtEdit::FittingLengthLimit(const AnsiString& Inserted) const {
  const AnsiString value = GetText();
  const auto start = static_cast<std::size_t>(ValueSelStart());
  const AnsiString before = value.substr(0, start);
  if (LengthLimit <= 0 || before.find(DecimalSeparator) != AnsiString::npos) return Inserted;
  const int head = FixedLength(before) - 1;
  const int tail =
      FixedLength(value.substr(start + static_cast<std::size_t>(ValueSelLength()))) - 1;
  int counted = 0;
  std::size_t fits = AnsiString::npos;
  for (std::size_t k = 0; k < Inserted.size(); ++k) {
    const char c = Inserted[k];
    if (c == DecimalSeparator)
      return head + counted <= LengthLimit ? Inserted : Inserted.substr(0, fits);
    if (c != ThousandSeparator) ++counted;
    if (fits == AnsiString::npos && head + counted + tail > LengthLimit) fits = k;
  }
  return Inserted.substr(0, fits);
}

// A text longer than the room is cut to it, as a desktop edit with a length limit does.
bool TExtEdit::InsertChecked(const AnsiString& Inserted) {
  const AnsiString Pasted = FittingMaxLength(FittingLengthLimit(Inserted));
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
