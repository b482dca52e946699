// The Ctrl shortcuts pass every edit type's filter at any length, Ctrl+A selecting the value
// between Prefix and Suffix; a paste longer than the length limit inserts what fits.
#include "platform/controls/clipboard.h"
#include "shown_edit.h"

namespace {

class EditShortcuts : public ShownEdit {
 protected:
  void Ctrl(Qt::Key key) { Key(key, Qt::ControlModifier); }
  // A value that fills a limit of its length, the caret at its end.
  void Full(TExtEditType type, const AnsiString& german) {
    edit->SetEditType(etString);
    edit->SetEditType(type);
    edit->SetPrecision(2);  // floats and money only
    edit->LengthLimit = static_cast<int16_t>(edit->FixedLength(L(german)) - 1);
    Place(german, static_cast<int>(edit->GetPrefix().size() + L(german).size()));
  }
};

struct FullValue {
  TExtEditType type;
  const char* value;  // German separators
};

constexpr FullValue kFullValues[] = {
    {etString, "Widerstand"}, {etNumeric, "1234"},  {etFloat, "12,50"},
    {etMoney, "1.234,50"},    {etUppercase, "ABC"}, {etMixedCase, "Abc"},
    {etLowerCase, "abc"},     {etRange, "1-3,5"},   {etHex, "1F"},
    {etAlphaNumeric, "ab12"}};

TEST_P(EditShortcuts, SelectAllCopyCutPasteAndUndoPassAFullValueOfEveryType) {
  ShowFocused();
  for (const FullValue& full : kFullValues) {
    SCOPED_TRACE(full.value);
    Full(full.type, full.value);
    const AnsiString value = L(full.value);
    Ctrl(Qt::Key_A);
    EXPECT_EQ(Shown(), "[" + value + "]");
    Clipboard()->SetAsText("leer");
    Ctrl(Qt::Key_C);
    EXPECT_EQ(Clipboard()->GetAsText(), value);
    Ctrl(Qt::Key_X);
    EXPECT_EQ(edit->GetText(), "");
    EXPECT_EQ(Clipboard()->GetAsText(), value);
    Ctrl(Qt::Key_Z);
    EXPECT_EQ(edit->GetText(), value);
    if (full.type != etRange && full.type != etHex) {  // these take no paste
      Ctrl(Qt::Key_A);
      Ctrl(Qt::Key_V);
      EXPECT_EQ(edit->GetText(), value);
    }
  }
}

// A designation at its limit: Ctrl+A then Delete empties it; a price "0,000": Ctrl+A then
// "1,5" is 1,500 once the field is left.
TEST_P(EditShortcuts, WhatFollowsCtrlAReplacesTheWholeValue) {
  ShowFocused();
  Full(etString, "Kondensator 100 nF Keramik 50 V RM 5 mm");
  Ctrl(Qt::Key_A);
  Key(Qt::Key_Delete);
  EXPECT_EQ(edit->GetText(), "");
  EXPECT_TRUE(edit->GetModified());

  edit->SetEditType(etFloat);
  edit->SetPrecision(3);
  edit->LengthLimit = 5;
  edit->SetText(L("0,000"));
  edit->SetSelStart(1);
  Ctrl(Qt::Key_A);
  Type("1,5");
  other->SetFocus();
  EXPECT_EQ(edit->GetText(), L("1,500"));
}

TEST_P(EditShortcuts, CtrlASelectsTheValueNotItsFrame) {
  edit->SetPrefix("EUR ");
  edit->SetSuffix(" netto");
  edit->SetEditType(etNumeric);
  ShowFocused();
  edit->SetText("42");
  edit->SetSelStart(5);
  Ctrl(Qt::Key_A);
  EXPECT_EQ(edit->GetSelStart(), 4);
  EXPECT_EQ(edit->GetSelLength(), 2);
}

// As typing counts: the characters before the decimal separator, thousand separators not.
TEST_P(EditShortcuts, APasteLongerThanTheLimitInsertsWhatFits) {
  ShowFocused();
  edit->LengthLimit = 30;
  Clipboard()->SetAsText("Relais 12 V 2 Wechsler 8 A Print Sockel 40");
  Ctrl(Qt::Key_V);
  EXPECT_EQ(Shown(), "Relais 12 V 2 Wechsler 8 A Pri|");
  EXPECT_TRUE(edit->GetModified());
  Ctrl(Qt::Key_V);  // full: nothing more
  EXPECT_EQ(edit->GetText(), "Relais 12 V 2 Wechsler 8 A Pri");

  edit->SetEditType(etNumeric);
  edit->LengthLimit = 3;
  Place("1", 1);
  Clipboard()->SetAsText("2345");
  Ctrl(Qt::Key_V);
  EXPECT_EQ(Shown(), "123|");

  edit->SetEditType(etFloat);
  edit->SetPrecision(2);
  Place("", 0);
  Clipboard()->SetAsText(L("12.345,67"));
  Ctrl(Qt::Key_V);
  EXPECT_EQ(edit->GetText(), L("123,00"));
  Place("", 0);
  Clipboard()->SetAsText(L("12,5"));  // its fraction stands after the limit's digits
  Ctrl(Qt::Key_V);
  EXPECT_EQ(edit->GetText(), L("12,50"));
}

EDIT_LOCALES(EditShortcuts);

}  // namespace
