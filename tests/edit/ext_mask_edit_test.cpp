// The masked edit with the typed edit's look: the filled mask and AutoTab, Enter as Tab, the
// Esc undo, the focus and flat colours, the label.
#include <QApplication>
#include <QTest>

#include "components/edit/ExtMaskEdit.h"
#include "edit_form.h"
#include "platform/controls/clipboard.h"
#include "platform/stdctrls/button.h"

namespace {

class MaskEditForm : public EditForm {
 protected:
  void SetUp() override {
    EditForm::SetUp();
    mask = new TExtMaskEdit(&form);
    mask->SetParent(&form);
    mask->SetBounds(80, 8, 120, 21);
    other = NewEdit(80, 60);
  }
  void ShowFocused() {
    Show();
    mask->SetFocus();
    mask->SetSelStart(0);
  }
  // Sets a button of the form that counts its clicks.
  TButton* NewButton(int top, int& clicks) {
    auto* button = new TButton(&form);
    button->SetParent(&form);
    button->SetTop(top);
    button->OnClick = [&clicks](TObject*) { ++clicks; };
    return button;
  }
  void Settle() { QApplication::processEvents(); }

  TExtMaskEdit* mask = nullptr;
  TExtEdit* other = nullptr;
};

TEST_F(MaskEditForm, AFilledMaskIsAnnouncedOnceAndMovesOn) {
  std::vector<AnsiString> values;
  mask->SetEditMask("0000;1;_");
  mask->OnMaskComplete = [&](TObject*, const AnsiString& value, bool&) { values.push_back(value); };
  ShowFocused();
  Type("123");
  EXPECT_TRUE(values.empty());
  Type("4");
  Settle();
  EXPECT_EQ(values, std::vector<AnsiString>{"1234"});
  EXPECT_TRUE(other->Focused());
  // Coming back, moving and Shift change nothing: no second announcement.
  mask->SetFocus();
  Key(Qt::Key_End);
  Key(Qt::Key_Left);
  Key(Qt::Key_Right);
  Key(Qt::Key_Shift);
  Settle();
  EXPECT_EQ(values.size(), 1u);
  EXPECT_TRUE(mask->Focused());
}

TEST_F(MaskEditForm, EveryPasteThatFillsTheMaskAnnouncesItOnce) {
  int calls = 0;
  mask->SetEditMask("0000;1;_");
  mask->AutoTab = false;
  mask->OnMaskComplete = [&](TObject*, const AnsiString&, bool&) { ++calls; };
  ShowFocused();
  Type("12");
  Clipboard()->SetAsText("34");
  QTest::keyClick(mask->Widget(), Qt::Key_Insert, Qt::ShiftModifier);
  Settle();
  EXPECT_EQ(mask->GetEditText(), "1234");
  EXPECT_EQ(calls, 1);
  mask->SetSelStart(2);
  mask->SetSelLength(2);
  Clipboard()->SetAsText("56");
  QTest::keyClick(mask->Widget(), Qt::Key_V, Qt::ControlModifier);
  Settle();
  EXPECT_EQ(calls, 2);
}

TEST_F(MaskEditForm, ARefusedCompletionKeepsTheFocus) {
  int calls = 0;
  mask->SetEditMask("0000;1;_");
  mask->OnMaskComplete = [&](TObject*, const AnsiString&, bool& accept) {
    ++calls;
    accept = false;
  };
  ShowFocused();
  Type("1234");
  Settle();
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(mask->Focused());
  mask->OnMaskComplete = nullptr;
  mask->AutoTab = false;
  mask->SetSelStart(0);
  Type("5678");
  Settle();
  EXPECT_TRUE(mask->Focused());
}

TEST_F(MaskEditForm, OnlyAFullMaskWithTheCaretAtItsEndCounts) {
  int calls = 0;
  mask->SetEditMask("0099;1;*");  // the blank is "*", optional positions count as well
  mask->OnMaskComplete = [&](TObject*, const AnsiString&, bool&) { ++calls; };
  mask->AutoTab = false;
  ShowFocused();
  Type("12");
  Key(Qt::Key_Right);
  Type("4");
  Settle();
  EXPECT_EQ(mask->GetEditText(), "12*4");
  EXPECT_EQ(calls, 0);
  mask->SetSelStart(2);
  Type("3");  // fills the gap, but the caret stands before the last position
  EXPECT_EQ(mask->GetEditText(), "1234");
  EXPECT_EQ(calls, 0);
}

TEST_F(MaskEditForm, EnterMovesOnAndTypesNothing) {
  int oks = 0;
  NewButton(120, oks)->SetDefault(true);
  mask->SetEditMask("cccc;1;_");
  ShowFocused();
  Type("ab");
  Key(Qt::Key_Return);
  Settle();
  EXPECT_TRUE(other->Focused());
  EXPECT_EQ(mask->GetEditText(), "ab__");
  EXPECT_EQ(oks, 0);
  mask->ReturnIsTab = false;
  mask->SetFocus();
  Key(Qt::Key_Return);
  Settle();
  EXPECT_EQ(oks, 1);  // without ReturnIsTab the form's default button answers
}

TEST_F(MaskEditForm, EscUndoesWhateverTheAlignmentAndReachesTheCancelButton) {
  int cancels = 0;
  NewButton(120, cancels)->Cancel = true;
  mask->CanUndo = true;
  mask->SetText("ab");
  ShowFocused();
  mask->SetSelStart(2);
  Type("cd");
  EXPECT_EQ(mask->GetText(), "abcd");
  Key(Qt::Key_Escape);
  Settle();
  EXPECT_EQ(mask->GetText(), "ab");
  EXPECT_FALSE(mask->GetModified());
  EXPECT_EQ(cancels, 1);
  // Without CanUndo Esc goes straight to the form.
  mask->CanUndo = false;
  Type("x");
  Key(Qt::Key_Escape);
  Settle();
  EXPECT_EQ(cancels, 2);
}

TEST_F(MaskEditForm, FocusAndModifiedColours) {
  mask->FocusColor = clYellow;
  mask->FocusFontColor = clNavy;
  mask->ShowModified = true;
  mask->SetColorEx(clAqua);
  mask->GetFont()->SetColor(clMaroon);
  ShowFocused();
  EXPECT_EQ(mask->GetColor(), clYellow);
  EXPECT_EQ(mask->GetFont()->GetColor(), clNavy);
  Type("x");
  EXPECT_EQ(mask->GetFont()->GetColor(), clRed);
  other->SetFocus();
  EXPECT_EQ(mask->GetColor(), clAqua);
  EXPECT_EQ(mask->GetFont()->GetColor(), clRed);  // still modified
  mask->SetModified(false);
  EXPECT_EQ(mask->GetFont()->GetColor(), clMaroon);
}

TEST_F(MaskEditForm, EntrySelectsTheFirstCharacterAndEscClearsTheModifiedLook) {
  mask->SetEditMask("0000;1;_");
  mask->SelectFirstChar = true;
  mask->ShowModified = true;
  mask->FocusFontColor = clNavy;
  mask->SetText("1234");
  Show();
  mask->SetFocus();
  EXPECT_EQ(mask->GetSelStart(), 0);
  EXPECT_EQ(mask->GetSelLength(), 1);
  mask->AutoTab = false;
  Type("9");
  EXPECT_EQ(mask->GetFont()->GetColor(), clRed);
  Key(Qt::Key_Escape);  // the masked edit's reset
  EXPECT_EQ(mask->GetEditText(), "1234");
  EXPECT_EQ(mask->GetFont()->GetColor(), clNavy);
}

TEST_F(MaskEditForm, FlatTakesTheParentsColourAndGivesTheOwnBack) {
  form.SetColor(clSilver);
  mask->SetColorEx(clYellow);
  Show();
  mask->SetFlat(true);
  EXPECT_EQ(mask->GetColor(), clSilver);
  EXPECT_EQ(mask->GetBorderStyle(), bsNone);
  const QImage flat = Picture(mask);
  EXPECT_EQ(At(flat, 60, 20), clBlack);  // the flat line along the bottom
  mask->SetFlat(false);
  EXPECT_EQ(mask->GetColor(), clYellow);
  EXPECT_EQ(mask->GetBorderStyle(), bsSingle);
  other->SetFocus();
  EXPECT_EQ(mask->GetColor(), clYellow);
}

TEST_F(MaskEditForm, TheLabelStandsBesideAndFollowsTheEdit) {
  mask->SetLabelCaption("Code");
  TLabel* label = mask->GetLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->GetTop(), 8);
  EXPECT_NEAR(label->GetLeft() + label->GetWidth() + 4, 80, 1);  // its caption's width
  mask->SetLabelPosition(lpTopCenter);
  EXPECT_EQ(label->GetTop() + label->GetHeight() + 4, 8);
  EXPECT_EQ(label->GetLeft(), 80 + (120 - label->GetWidth()) / 2);
  mask->SetEnabledEx(false);
  EXPECT_FALSE(label->GetEnabled());
  EXPECT_EQ(mask->GetColor(), clSilver);
  mask->SetVisible(false);
  EXPECT_FALSE(label->GetVisible());
}

}  // namespace
