// Cut, copy and paste through the typed edit: the edit type's rules and the veto events.
#include "platform/controls/clipboard.h"
#include "shown_edit.h"

namespace {

class EditClipboard : public ShownEdit {
 protected:
  // Pastes the text over the value's selection from `caret`, `length` long.
  AnsiString PasteInto(TExtEditType type, const AnsiString& value, const AnsiString& pasted,
                       int caret, int length = 0) {
    edit->SetEditType(etString);
    edit->SetEditType(type);
    Place(value, caret, length);
    Clipboard()->SetAsText(pasted);
    edit->PasteFromClipboard();
    return Shown();
  }
};

TEST_P(EditClipboard, PasteKeepsToTheEditType) {
  ShowFocused();
  EXPECT_EQ(PasteInto(etNumeric, "5", "12a", 1), "5|");
  EXPECT_EQ(PasteInto(etNumeric, "5", "12", 1), "512|");
  EXPECT_EQ(PasteInto(etHex, "", "abc", 0), "|");
  EXPECT_EQ(PasteInto(etRange, "1", ",2", 1), "1|");
  EXPECT_EQ(PasteInto(etAlphaNumeric, "", "ab12", 0), "ab12|");
  EXPECT_EQ(PasteInto(etAlphaNumeric, "", "ab 12", 0), "|");
  EXPECT_EQ(PasteInto(etUppercase, "x", "abc", 0, 1), "[ABC]");
  EXPECT_EQ(PasteInto(etMixedCase, "", "henry iii", 0), "Henry III|");
  EXPECT_TRUE(edit->GetModified());
}

TEST_P(EditClipboard, PasteFollowsSignAndLengthLimit) {
  ShowFocused();
  EXPECT_EQ(PasteInto(etNumeric, "", "-5", 0), "|");
  edit->Signed = true;
  EXPECT_EQ(PasteInto(etNumeric, "", "-5", 0), "-5|");
  EXPECT_EQ(PasteInto(etNumeric, "1", "5-", 1), "1|");  // a minus only in front
  EXPECT_EQ(PasteInto(etNumeric, "12", "-", 1), "1|2");
  edit->LengthLimit = 3;
  EXPECT_EQ(PasteInto(etNumeric, "1", "234", 1), "123|");  // cut to the limit
  EXPECT_EQ(PasteInto(etNumeric, "1", "23", 1), "123|");
  EXPECT_EQ(PasteInto(etNumeric, "123", "45", 0, 3), "[45]");
}

TEST_P(EditClipboard, PasteTakesTheFirstLineOnly) {
  ShowFocused();
  EXPECT_EQ(PasteInto(etString, "", "eins\r\nzwei", 0), "eins|");
  EXPECT_EQ(PasteInto(etNumeric, "", "12\n34", 0), "12|");
}

TEST_P(EditClipboard, PastedFloatsAreFormatted) {
  edit->SetPrecision(2);  // no float yet: kept at 0
  ShowFocused();
  edit->SetEditType(etFloat);
  edit->SetPrecision(2);
  edit->SetText("");
  Clipboard()->SetAsText(L("3,5"));
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->GetText(), L("3,50"));
  edit->SetPrecision(0);
  edit->SetText("");
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->GetText(), "");  // no fraction without a precision
  edit->SetEditType(etMoney);
  edit->SetPrecision(2);
  edit->SetText("");
  Clipboard()->SetAsText("1234567");
  edit->PasteFromClipboard();
  EXPECT_EQ(Shown(), L("[1.234.567,00]"));
}

TEST_P(EditClipboard, PasteByKeys) {
  edit->SetEditType(etNumeric);
  ShowFocused();
  Place("1", 1);
  Clipboard()->SetAsText("23");
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->GetText(), "123");
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(edit->GetText(), "12323");
  Clipboard()->SetAsText("x");
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(edit->GetText(), "12323");
}

TEST_P(EditClipboard, APastePastMaxLengthIsCutNeverWhatWasThere) {
  ShowFocused();
  edit->SetMaxLength(5);
  Place("abc", 2);
  Clipboard()->SetAsText("XYZ");
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Shown(), "abXY|c");
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Shown(), "abXY|c");
  Key(Qt::Key_Left);
  Key(Qt::Key_Left, Qt::ShiftModifier);  // a selection makes room for its length
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Shown(), "ab[X]Yc");
}

TEST_P(EditClipboard, HandlersSeeTheSelectedValueAndMayRefuse) {
  edit->SetPrefix("P:");
  ShowFocused();
  std::vector<AnsiString> seen;
  bool allow = false;
  auto handler = [&](TObject*, const AnsiString& value, bool& Allow) {
    seen.push_back(value);
    Allow = allow;
  };
  edit->OnClipboardCopy = handler;
  edit->OnClipboardCut = handler;
  edit->OnClipboardPaste = handler;
  Clipboard()->SetAsText("vorher");
  Place("abcdef", 0, 4);  // "P:ab" selected: the value's part is "ab"
  edit->CopyToClipboard();
  edit->CutToClipboard();
  edit->PasteFromClipboard();
  EXPECT_EQ(seen, (std::vector<AnsiString>{"ab", "ab", "ab"}));
  EXPECT_EQ(Clipboard()->GetAsText(), "vorher");
  EXPECT_EQ(edit->GetText(), "abcdef");
  allow = true;
  Place("abcdef", 4, 2);
  edit->CutToClipboard();
  EXPECT_EQ(Clipboard()->GetAsText(), "cd");
  EXPECT_EQ(edit->GetText(), "abef");
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->GetText(), "abcdef");
}

TEST_P(EditClipboard, ReadOnlyTakesNoPaste) {
  ShowFocused();
  edit->SetReadOnly(true);
  EXPECT_EQ(PasteInto(etString, "a", "b", 1), "a|");
}

EDIT_LOCALES(EditClipboard);

}  // namespace
