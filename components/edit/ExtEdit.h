// The typed edit: a single-line edit whose value follows an edit type keystroke by keystroke
// (text, numbers, floats and money with a precision, case forcing, hex, ranges, passwords),
// framed by a fixed Prefix and Suffix. The value is the window text without them; caret
// positions (SelStart, SelLength) count in the window text. Refused input is dropped silently.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "components/edit/EditLook.h"
#include "components/edit/ExtEditText.h"
#include "components/edit/RangeList.h"
#include "platform/controls/hintwindow.h"
#include "platform/stdctrls/edit.h"
#include "platform/stdctrls/label.h"
#include "platform/stdctrls/listbox.h"

enum TExtEditType : uint8_t {
  etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney,
  etRange, etHex, etAlphaNumeric
};

// The text's alignment; eaDefault as FocusAlign keeps EditAlign while focused.
enum TEditAlign : uint8_t { eaLeft, eaRight, eaDefault, eaCenter };

enum TPersistenceLocation : uint8_t { plInifile, plRegistry };

// Where the value is kept between runs: an INI file (Key its name, the program's name with
// ".INI" when empty; relative names lie in the user's configuration folder) or a registry
// key, entry Section / the control's Name.
class TPersistence : public TObject {
 public:
  bool Enable = false;
  AnsiString Key;
  AnsiString Section;
  TPersistenceLocation Location = plInifile;
};

// The completions offered while typing: the DisplayList entries that begin with the value;
// choosing one enters its ValueList entry of the same index, or the entry itself.
class TLookupSettings : public TObject {
 public:
  TStringList* GetDisplayList() const { return displayList_.get(); }
  void SetDisplayList(const TStrings& Value) { displayList_->Assign(Value); }
  TStringList* GetValueList() const { return valueList_.get(); }
  void SetValueList(const TStrings& Value) { valueList_->Assign(Value); }
  // Characters typed before the list shows; values below 1 are ignored.
  int GetNumChars() const { return numChars_; }
  void SetNumChars(int Value) {
    if (Value >= 1) numChars_ = Value;
  }

  int DisplayCount = 4;  // rows shown
  TColor Color = clWindow;
  bool Enabled = false;
  bool CaseSensitive = false;

 private:
  std::unique_ptr<TStringList> displayList_ = std::make_unique<TStringList>();
  std::unique_ptr<TStringList> valueList_ = std::make_unique<TStringList>();
  int numChars_ = 2;
};

// The lookup pop-up: a bordered window over everything that contains the list of matches in
// rows 12 pixels high; it never takes the focus from the edit.
class TListHintWindow : public THintWindow {
 public:
  explicit TListHintWindow(TComponent* AOwner);
  TListBox* GetListBox() const { return listBox_; }

 protected:
  void Paint() override {}
  void AlignArea(int& left, int& top, int& width, int& height) const override;

 private:
  TListBox* listBox_;
};

// The chosen completion; the handler may change Value.
using TLookupSelectEvent = std::function<void(TObject* Sender, AnsiString& Value)>;

// Called on every change of the value and when the focus leaves; IsValid starts true.
using TValueValidateEvent =
    std::function<void(TObject* Sender, const AnsiString& Value, bool& IsValid)>;

namespace Extedit {
// Before a cut, copy or paste: Value is the selected part of the value; clearing Allow
// refuses the operation. (The grid's clipboard events carry only the veto.)
using TClipboardEvent = std::function<void(TObject* Sender, const AnsiString& Value, bool& Allow)>;
}  // namespace Extedit

// The colours, the flat look, the focus border and the label are TEditLook's.
class TExtEdit : public TEditLook<TCustomEdit> {
 public:
  explicit TExtEdit(TComponent* AOwner);
  // Keeps the value when Persistence asks for it.
  ~TExtEdit() override;
  void Loaded() override;

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

  // The look of its own (ExtEditLook.cpp). Height as the form sets it.
  int GetHeightEx() const { return GetHeight(); }
  void SetHeightEx(int Value);
  TEditAlign GetEditAlign() const { return editAlign_; }
  void SetEditAlign(TEditAlign Value);
  bool GetTransparent() const { return transparent_; }
  void SetTransparent(bool Value);
  // The sunken border always, besides FocusBorder's.
  bool GetBorder3D() const { return border3D_; }
  void SetBorder3D(bool Value) { SetAndRepaint(border3D_, Value); }
  // Grey text shown while the value is empty and the edit has not the focus.
  AnsiString GetEmptyText() const { return emptyText_; }
  void SetEmptyText(const AnsiString& Value) { SetAndRepaint(emptyText_, Value); }
  // Characters of the window text (from 0) underlined by a red zigzag while unfocused.
  int GetErrorMarkerPos() const { return errorMarkerPos_; }
  void SetErrorMarkerPos(int Value) { SetAndRepaint(errorMarkerPos_, Value); }
  int GetErrorMarkerLen() const { return errorMarkerLen_; }
  void SetErrorMarkerLen(int Value) { SetAndRepaint(errorMarkerLen_, Value); }
  // The error look: ErrorColor and ErrorFontColor while a validation failed (with ShowError).
  bool GetError() const { return error_; }
  void SetError(bool Value);
  // Whether the value is an address ("://", or "@" after its first character), and its look.
  bool TestURL() const;
  void ApplyURL(bool Value);

  TColor ErrorColor = clRed;
  TColor ErrorFontColor = clWhite;
  TColor URLColor = clBlue;
  // Pixels added to the width while focused.
  int FocusWidthInc = 0;
  TEditAlign FocusAlign = eaDefault;
  // The hint shows the whole value when it does not fit.
  bool HintShowLargeText = false;

  // The label is bold while the edit has the focus.
  bool FocusLabel = false;

  // The lookup list (ExtEditLookup.cpp).
  TLookupSettings* GetLookup() const { return lookup_.get(); }
  TListHintWindow* GetLookupWindow() const { return lookupWindow_; }
  void UpdateLookup();
  void DoneLookup();
  TLookupSelectEvent OnLookupSelect;

  // Persistence of the value (ExtEditPersist.cpp).
  TPersistence* GetPersistence() const { return persistence_.get(); }
  virtual void LoadPersist();
  virtual void SavePersist();

  // Drag and drop of text (ExtEditDragDrop.cpp): selected text dragged out, text dropped in
  // at the character under the mouse, as a paste would take it.
  bool GetOleDropSource() const { return oleDropSource_; }
  void SetOleDropSource(bool Value) { oleDropSource_ = Value; }
  bool GetOleDropTarget() const { return oleDropTarget_; }
  void SetOleDropTarget(bool Value);
  // The drop caret at the character under a screen point, and away.
  void DrawCaretByCursor(TPoint ScreenPoint);
  void EraseCaret();
  void InvalidateCaret(TPoint Point);
  TPoint GetDropCaret() const { return dropCaret_; }
  // Puts the caret at the value's character nearest a screen point.
  void SetCaretByCursor(TPoint ScreenPoint);
  int GetTextSize() const;
  // Inserts the first line of a dropped text at a client point; false when the edit refused
  // it. Moving (no Ctrl) within the edit that is being dragged from takes the selection away.
  bool DropTextAt(TPoint ClientPoint, const AnsiString& Text, bool Ctrl);

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
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Painting (ExtEditPaint.cpp): after the flat look's, the drop caret, the empty text and
  // the error zigzag.
  void PaintEdit(TCanvas& Canvas) override;
  void DrawErrorLines(TCanvas& Canvas);

  // The mouse (ExtEditMouse.cpp).
  void CMHintShow(THintInfo& HintInfo) override;
  void WMLButtonDown(TWMMouse& Message) override;
  void WMLButtonUp(TWMMouse& Message) override;
  void WMMouseMove(TWMMouse& Message) override;

  // Whether a digit typed at Caret (window text) would overwrite a fraction that has all its
  // Precision digits.
  bool DecimalLimitReached(const AnsiString& Value, int Caret) const;
  // Whether a separator typed at Caret would be other than three digits from the nearest
  // thousand separator.
  bool SeparatorGroupCheck(const AnsiString& Value, int Caret) const;

  // The lookup keys while the list shows; true when the key ends there.
  bool LookupKeyDown(WORD& Key, TShiftState Shift);
  bool LookupShown() const;
  // Switches the URL look on or off as the value now asks (with ShowURL).
  void TestURLLook();

 private:
  // How the character filter ended for a character: passed to the platform edit (and, for
  // Esc, nothing more), refused by a rule, consumed by a rewrite of the value, or dropped as
  // none of the edit type's characters.
  enum class CharVerdict { Pass, PassAndStop, Refused, Consumed, OutsideType };

  int PrefixLength() const { return static_cast<int>(prefix_.size()); }
  int ValueEnd() const { return PrefixLength() + static_cast<int>(GetText().size()); }
  // The selection counted in the value, cut to it.
  int ValueSelStart() const;
  int ValueSelLength() const;
  // A window text without the Prefix and Suffix at its ends.
  AnsiString WithoutFrame(AnsiString Text) const;
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
  // A Ctrl shortcut, past the filter's rules.
  void TypeShortcut(TWMChar& Message);
  // Modified as the platform edit has it, and the lookup list, after the value may have
  // changed.
  void NoteEdited();
  // The key-down filter (ExtEditKeys.cpp); true when it handled the key.
  bool FilterKeyDown(WORD Key, TShiftState Shift);
  // The clipboard (ExtEditClipboard.cpp): the selected part of the value; the value with the
  // selection replaced by a paste; whether the edit type takes it (converting its case).
  AnsiString SelectedValue() const;
  AnsiString PasteInsert(const AnsiString& Pasted) const;
  bool PasteAccepted(const AnsiString& Pasted, AnsiString& Value) const;
  // Types Pasted over the selection when the edit type takes it; false when refused.
  bool InsertChecked(const AnsiString& Inserted);
  // The part of an inserted text that fits MaxLength.
  AnsiString FittingMaxLength(const AnsiString& Pasted) const;
  // The longest head of an inserted text that keeps the value within LengthLimit.
  AnsiString FittingLengthLimit(const AnsiString& Inserted) const;
  // The value character (window index) nearest a client point.
  int ValueCharAt(TPoint ClientPoint) const;
  void DragSelection();
  // A press on the selected text of the focused edit, which may start a drag.
  bool PressOnSelection(const TWMMouse& Message) const;
  bool CanDragOut() const;

  // The look's steps around focus changes (ExtEditLook.cpp).
  void EnterLook();
  void LeaveLook();
  void RestoreAlignAndWidth();
  // The font colour the state asks for, the URL look aside: error, modified, focus, normal.
  TColor StateFontColor() const;
  bool ErrorShown() const { return error_ && ShowError; }
  // EditAlign as the window's alignment; with the width nudged so the text is laid out again.
  void ApplyAlign();
  void ApplyAndNudge();
  void MakeLookupWindow();
  void ListKeyPress(TObject* Sender, char& Key);
  // Opens the value as an address, for the schemes that are safe to hand to the desktop.
  void OpenURL() const;

  TExtEditType editType_ = etString;
  int16_t precision_ = 0;
  AnsiString prefix_;
  AnsiString suffix_;
  bool autoThousandSeparator_ = true;
  bool canUndo_ = true;
  bool modified_ = false;
  bool error_ = false;
  AnsiString undoText_;

  TEditAlign editAlign_ = eaLeft;
  TEditAlign savedAlign_ = eaLeft;
  bool alignSaved_ = false;
  bool transparent_ = false;
  AnsiString emptyText_;
  int errorMarkerPos_ = 0;
  int errorMarkerLen_ = 0;
  bool focusedByPress_ = false;
  bool urlLook_ = false;
  int loadedHeight_ = -1;

  std::unique_ptr<TLookupSettings> lookup_ = std::make_unique<TLookupSettings>();
  TListHintWindow* lookupWindow_ = nullptr;
  std::unique_ptr<TPersistence> persistence_ = std::make_unique<TPersistence>();

  bool oleDropSource_ = false;
  bool oleDropTarget_ = false;
  bool registered_ = false;
  bool dragPending_ = false;
  bool dragging_ = false;
  bool droppedOnSelf_ = false;  // the running drag was dropped into this edit
  TPoint dropCaret_{-1, -1};
};
