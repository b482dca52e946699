// Caret keys around Prefix and Suffix, Esc and Enter, and the value at focus changes.
#include <QLineEdit>

#include "platform/stdctrls/button.h"
#include "shown_edit.h"

namespace {

using EditKeys = ShownEdit;

TEST_P(EditKeys, CaretKeepsOutOfPrefixAndSuffix) {
  edit->SetPrefix("ab");
  edit->SetSuffix("xyz");
  edit->SetText("wert");
  ShowFocused();
  EXPECT_EQ(Shown(), "ab[wert]xyz");  // focus entry selects the value
  Key(Qt::Key_Home);
  EXPECT_EQ(Shown(), "ab|wertxyz");
  Key(Qt::Key_Left);
  EXPECT_EQ(Shown(), "ab|wertxyz");
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Shown(), "ab|wertxyz");
  Key(Qt::Key_End);
  EXPECT_EQ(Shown(), "abwert|xyz");
  Key(Qt::Key_Right);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Shown(), "abwert|xyz");
  Key(Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(Shown(), "ab[wert]xyz");
  // Anchored at the value's end: the caret stands at its start.
  EXPECT_EQ(static_cast<QLineEdit*>(edit->Widget())->cursorPosition(), 2);
  Key(Qt::Key_Right);  // the selection reaches the Suffix
  EXPECT_EQ(Shown(), "ab[wert]xyz");
  Type("Z");
  EXPECT_EQ(Shown(), "abZ|xyz");
  EXPECT_TRUE(edit->GetModified());
}

TEST_P(EditKeys, BackspaceStopsAtThePrefix) {
  edit->SetPrefix("Nr ");
  edit->SetText("12");
  ShowFocused();
  Place("12", 5);
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Shown(), "Nr |");
}

TEST_P(EditKeys, EscRestoresTheValueOfFocusEntry) {
  edit->SetEditType(etNumeric);
  edit->SetText("42");
  ShowFocused();
  Place("42", 2);
  Type("7");
  EXPECT_EQ(edit->GetText(), "427");
  EXPECT_TRUE(edit->GetModified());
  Key(Qt::Key_Escape);
  EXPECT_EQ(edit->GetText(), "42");
  EXPECT_FALSE(edit->GetModified());
  EXPECT_EQ(Shown(), "[42]");
}

TEST_P(EditKeys, EscAndEnterStillReachTheFormsButtonsOnce) {
  auto* ok = new TButton(&form);
  ok->SetParent(&form);
  ok->SetTop(80);
  ok->SetDefault(true);
  auto* cancel = new TButton(&form);
  cancel->SetParent(&form);
  cancel->SetTop(120);
  cancel->Cancel = true;
  int oks = 0, cancels = 0;
  ok->OnClick = [&](TObject*) { ++oks; };
  cancel->OnClick = [&](TObject*) { ++cancels; };
  ShowFocused();
  Key(Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(oks, 1);
  Key(Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(cancels, 1);
  edit->SetEditType(etPassword);  // cannot undo: Esc goes to the form directly
  Key(Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(cancels, 2);
  Key(Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(oks, 2);
}

TEST_P(EditKeys, ReturnCanActAsTab) {
  edit->ReturnIsTab = true;
  ShowFocused();
  Key(Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_TRUE(other->Focused());
  EXPECT_EQ(edit->GetText(), "");
}

TEST_P(EditKeys, FocusLossCompletesNumbers) {
  edit->SetEditType(etFloat);
  edit->SetPrecision(2);
  other->SetEditType(etNumeric);
  ShowFocused();
  Place("", 0);
  other->SetFocus();
  EXPECT_EQ(edit->GetText(), L("0,00"));
  other->TControl::SetText("");
  Place("3,1", 0);
  edit->SetFocus();
  EXPECT_EQ(other->GetText(), "0");
  EXPECT_EQ(Shown(), L("[3,1]"));
  edit->AutoSelect = false;
  other->SetFocus();
  EXPECT_EQ(edit->GetText(), L("3,10"));
  edit->SetFocus();
  EXPECT_EQ(Shown(), L("3|,10"));  // without AutoSelect the caret goes before the separator
}

TEST_P(EditKeys, FocusLossValidates) {
  std::vector<AnsiString> seen;
  edit->SetText("x");
  ShowFocused();
  edit->OnValueValidate = [&](TObject*, const AnsiString& value, bool&) { seen.push_back(value); };
  other->SetFocus();
  EXPECT_EQ(seen, std::vector<AnsiString>{"x"});
}

EDIT_LOCALES(EditKeys);

}  // namespace
