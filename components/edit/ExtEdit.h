// The typed edit: a single-line edit whose value follows an edit type keystroke by keystroke
// (text, numbers, floats and money with a precision, case forcing, hex, ranges, passwords),
// framed by a fixed Prefix and Suffix. The value is the window text without them; caret
// positions (SelStart, SelLength) count in the window text. Refused input is dropped silently.
#pragma once

#include <cstdint>
#include <functional>

#include "components/edit/ExtEditText.h"
#include "components/edit/RangeList.h"
#include "platform/stdctrls/edit.h"

enum TExtEditType : uint8_t {
  etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney,
  etRange, etHex, etAlphaNumeric
};

// Called on every change of the value and when the focus leaves; IsValid starts true.
using TValueValidateEvent =
    std::function<void(TObject* Sender, const AnsiString& Value, bool& IsValid)>;

namespace Extedit {
// Before a cut, copy or paste: Value is the selected part of the value; clearing Allow
// refuses the operation. (The grid's clipboard events carry only the veto.)
using TClipboardEvent = std::function<void(TObject* Sender, const AnsiString& Value, bool& Allow)>;
}  // namespace Extedit

class TExtEdit : public TCustomEdit {
 public:
  explicit TExtEdit(TComponent* AOwner);

  // The value, without Prefix and Suffix. SetText checks it against the edit type (what does
  // not fit becomes "0"), formats floats and money with Precision, upper-cases hex, and clears
  // Modified.
  AnsiString GetText() const;
  void SetText(const AnsiString& Value);
  // The value as a number for the numeric types, 0 for the others. The setters write the
  // number in the edit type's form and set Modified; other types keep their text.
  double GetFloat() const;
  void SetFloat(double Value);
  int GetInt() const;
  void SetInt(int Value);
  // A text as a float: thousand separators are left out; what does not read is 0.
  double EStrToFloat(const AnsiString& S) const;

  TExtEditType GetEditType() const { return editType_; }
  void SetEditType(TExtEditType Value);
  // Digits after the decimal separator of etFloat and etMoney; a negative value writes floats
  // in general format. Other types keep their precision.
  int GetPrecision() const { return precision_; }
  void SetPrecision(int Value);
  AnsiString GetPrefix() const { return prefix_; }
  void SetPrefix(const AnsiString& Value);
  AnsiString GetSuffix() const { return suffix_; }
  void SetSuffix(const AnsiString& Value);
  // Money shows thousand separators.
  bool GetAutoThousandSeparator() const { return autoThousandSeparator_; }
  void SetAutoThousandSeparator(bool Value);
  // Esc puts back the value the edit had when it got the focus; never for passwords.
  bool GetCanUndo() const { return canUndo_; }
  void SetCanUndo(bool Value);
  bool GetModified() const { return modified_; }
  void SetModified(bool Value);

  // Length(Prefix) plus the 1-based place of the decimal separator in the value; without one,
  // one past the window text.
  int DecimalPos() const;
  // The characters of S before its decimal separator, thousand separators not counted, plus 1.
  int FixedLength(const AnsiString& S) const;
  // Selects the value (from after "://" or "mailto:" for a URL when ShowURL is on).
  void SelectAll();
  void SelectBeforeDecimal();
  void SelectAfterDecimal();
  // Groups a money value's integer part with thousand separators (or takes them out) and
  // keeps the caret where it was among the digits.
  void AutoSeparators();

  // Range values: the list as a range text ("1-3,5,9"), sorting the list; and back.
  void ListToRangeStr(TRangeList* List);
  bool RangeStrToList(TRangeList* List) const;

  // The keypad's decimal key types the locale's decimal separator.
  bool ExcelStyleDecimalSeparator = false;
  // Move on to the next control once the value's characters before the decimal separator
  // reach LengthLimit.
  bool TabOnFullLength = false;
  bool ReturnIsTab = false;
  // Most characters before the decimal separator, thousand separators not counted; 0 or less
  // for no limit.
  int16_t LengthLimit = 0;
  // etNumeric, etFloat and etMoney take a minus sign.
  bool Signed = false;
  // The font colour shows Modified: ModifiedColor while set.
  bool ShowModified = false;
  TColor ModifiedColor = clHighlight;
  // A failed validation shows the error look.
  bool ShowError = false;
  // Values that are links are selected from their address on.
  bool ShowURL = false;
  // The font colour while focused, which Esc returns to.
  TColor FocusFontColor = clWindowText;

  TValueValidateEvent OnValueValidate;
  Extedit::TClipboardEvent OnClipboardCut;
  Extedit::TClipboardEvent OnClipboardPaste;
  Extedit::TClipboardEvent OnClipboardCopy;

 protected:
  void Change() override;
  void WMChar(TWMChar& Message) override;
  void WMKeyDown(TWMKeyDown& Message) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;
  void WMCopy() override;
  void WMCut() override;
  void WMPaste() override;
  void WMSetFocus() override;
  void WMKillFocus() override;
  void DoEnter() override;

  // Whether a digit typed at Caret (window text) would overwrite a fraction that has all its
  // Precision digits.
  bool DecimalLimitReached(const AnsiString& Value, int Caret) const;
  // Whether a separator typed at Caret would stand other than three digits from the nearest
  // thousand separator.
  bool SeparatorGroupCheck(const AnsiString& Value, int Caret) const;

  // The lookup list, the error look and the URL look; they join here.
  void UpdateLookup() {}
  bool LookupKeyDown(WORD& /*Key*/, TShiftState /*Shift*/) { return false; }
  void SetError(bool Value) { error_ = Value; }
  bool GetError() const { return error_; }
  void TestURLLook() {}

  // The font colour outside focus, modified and error looks.
  TColor normalFontColor_ = clWindowText;

 private:
  // How the character filter ended for a character: passed to the platform edit (and, for
  // Esc, nothing more), refused by a rule, consumed by a rewrite of the value, or dropped as
  // none of the edit type's characters.
  enum class CharVerdict { Pass, PassAndStop, Refused, Consumed, OutsideType };

  bool Loading() const { return GetComponentState().Contains(csLoading); }
  int PrefixLength() const { return static_cast<int>(prefix_.size()); }
  int ValueEnd() const { return PrefixLength() + static_cast<int>(GetText().size()); }
  // The selection counted in the value, cut to it.
  int ValueSelStart() const;
  int ValueSelLength() const;
  // Puts Prefix + Value + Suffix into the window; the platform's modified state stays.
  void WriteValue(const AnsiString& Value);
  // The value with the character at (Forward) or before the caret, or the selection, deleted.
  AnsiString ValueAfterDeletion(bool Forward) const;
  void ToggleSign();
  bool IsNumberType() const {
    return editType_ == etNumeric || editType_ == etFloat || editType_ == etMoney;
  }

  // The character filter (ExtEditChar.cpp).
  CharVerdict FilterChar(TWMChar& Message);
  CharVerdict FilterByType(char& Key);
  CharVerdict FilterFloat(char Key, bool Money);
  CharVerdict FilterRange(char Key);
  void AfterPassing(char Key);
  void AfterTyping();
  // The key-down filter (ExtEditKeys.cpp); true when it handled the key.
  bool FilterKeyDown(WORD Key, TShiftState Shift);
  void PostToParent(WORD Key);
  // The clipboard (ExtEditClipboard.cpp): the selected part of the value; the value with the
  // selection replaced by a paste; whether the edit type takes it (converting its case).
  AnsiString SelectedValue() const;
  AnsiString PasteInsert(const AnsiString& Pasted) const;
  bool PasteAccepted(const AnsiString& Pasted, AnsiString& Value) const;

  TExtEditType editType_ = etString;
  int16_t precision_ = 0;
  AnsiString prefix_;
  AnsiString suffix_;
  bool autoThousandSeparator_ = true;
  bool canUndo_ = true;
  bool modified_ = false;
  bool error_ = false;
  AnsiString undoText_;
};
