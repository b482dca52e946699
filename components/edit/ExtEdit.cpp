// The value and its frame: reading and writing the value, the edit type, Prefix and Suffix,
// and the modified state.
#include "components/edit/ExtEdit.h"

#include <algorithm>

#include "components/edit/EditChars.h"
#include "platform/controls/application.h"

using namespace EditChars;

namespace {
// Whether a value reads as the edit type needs; text types take any.
bool FitsType(TExtEditType type, const AnsiString& value) {
  Extedit::TAutoType read = Extedit::IsType(value);
  switch (type) {
    case etNumeric: return read == Extedit::atNumeric;
    case etFloat:
    case etMoney: return read == Extedit::atNumeric || read == Extedit::atFloat;
    case etHex: return read == Extedit::atNumeric || read == Extedit::atHex;
    default: return true;
  }
}
}  // namespace

// The typed edit takes the colour shown as its normal one, a flat edit's focus colour from
// the parent, and its own border style back (TEditLookRules).
TExtEdit::TExtEdit(TComponent* AOwner)
    : TEditLook(AOwner, {.TakeShownColor = true, .FlatFocusColor = true, .KeepBorderStyle = true}) {}

// Saving may fail (a folder that cannot be written); the message shows and the edit is
// destroyed all the same.
TExtEdit::~TExtEdit() {
  if (!GetComponentState().Contains(csDesigning))
    Application->HandleEvent([this] { SavePersist(); });
}

// After the look: the height set while loading, then the value kept from the last run.
void TExtEdit::Loaded() {
  TEditLook::Loaded();
  if (loadedHeight_ >= 0) SetBounds(GetLeft(), GetTop(), GetWidth(), loadedHeight_);
  if (!GetComponentState().Contains(csDesigning)) LoadPersist();
}

AnsiString TExtEdit::GetText() const { return WithoutFrame(TCustomEdit::GetText()); }

// The frame comes off only where it is: a user who typed over the Suffix keeps the
// characters typed.
AnsiString TExtEdit::WithoutFrame(AnsiString Text) const {
  if (!prefix_.empty() && StartsWith(Text, prefix_)) Text.erase(0, prefix_.size());
  if (!suffix_.empty() && EndsWith(Text, suffix_)) Text.erase(Text.size() - suffix_.size());
  return Text;
}

void TExtEdit::SetText(const AnsiString& Value) {
  AnsiString value = Value;
  if (!value.empty() && !FitsType(editType_, value)) value = "0";
  if (precision_ >= 1 && !value.empty()) {
    if (editType_ == etMoney) value = FixedNumberText(EStrToFloat(value), precision_, true);
    if (editType_ == etFloat) value = FixedNumberText(EStrToFloat(value), precision_, false);
  }
  if (editType_ == etHex) value = UpperCase(value);
  WriteValue(value);
  SetModified(false);
  TestURLLook();
}

// Setting the window text clears the platform's modified state; a rewrite of the value by
// the filter is not the program setting a new text.
void TExtEdit::WriteValue(const AnsiString& Value) {
  bool modified = TCustomEdit::GetModified();
  TCustomEdit::SetText(prefix_ + Value + suffix_);
  TCustomEdit::SetModified(modified);
}

void TExtEdit::SetPrefix(const AnsiString& Value) {
  AnsiString value = GetText();
  prefix_ = Value;
  SetText(value);
}

void TExtEdit::SetSuffix(const AnsiString& Value) {
  AnsiString value = GetText();
  suffix_ = Value;
  SetText(value);
}

void TExtEdit::SetEditType(TExtEditType Value) {
  if (Value == editType_) return;
  editType_ = Value;
  if (Value == etPassword) {
    SetPasswordChar('*');
    canUndo_ = false;
  } else {
    SetPasswordChar(0);
  }
  if (GetComponentState().Contains(csDesigning) && Value == etFloat && precision_ == 0)
    precision_ = 2;
  Extedit::TAutoType read = Extedit::IsType(GetText());
  switch (Value) {
    case etNumeric:
      if (read != Extedit::atNumeric) SetInt(0);
      break;
    case etFloat:
    case etMoney:
      if (read >= Extedit::atString) SetFloat(0);
      break;
    case etHex:
      if (read != Extedit::atNumeric && read != Extedit::atHex) SetInt(0);
      break;
    default: break;
  }
}

void TExtEdit::SetCanUndo(bool Value) {
  canUndo_ = Value && editType_ != etPassword;
  ApplyAndNudge();
}

void TExtEdit::SetModified(bool Value) {
  if (Loading()) return;
  if (ShowModified) GetFont()->SetColor(Value ? ModifiedColor : normalFontColor_);
  TCustomEdit::SetModified(Value);
  modified_ = Value;
}

int TExtEdit::ValueSelStart() const {
  return std::clamp(GetSelStart() - PrefixLength(), 0, static_cast<int>(GetText().size()));
}

int TExtEdit::ValueSelLength() const {
  int end = std::clamp(GetSelStart() + GetSelLength() - PrefixLength(), 0,
                       static_cast<int>(GetText().size()));
  return std::max(0, end - ValueSelStart());
}

AnsiString TExtEdit::ValueAfterDeletion(bool Forward) const {
  AnsiString value = GetText();
  auto start = static_cast<std::size_t>(ValueSelStart());
  if (int length = ValueSelLength()) return value.erase(start, static_cast<std::size_t>(length));
  if (Forward && start < value.size()) return value.erase(start, 1);
  if (!Forward && start > 0) return value.erase(start - 1, 1);
  return value;
}
