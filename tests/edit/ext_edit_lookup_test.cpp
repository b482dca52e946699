// The lookup list: it opens after NumChars characters with the matching entries in rows 12
// pixels high under the edit, the keys move the choice, and Enter or a click enters it.
#include <QListWidget>

#include "edit_form.h"
#include "platform/stdctrls/button.h"

namespace {

class EditLookup : public EditForm {
 protected:
  void SetUp() override {
    EditForm::SetUp();
    edit = NewEdit(20, 20);
    other = NewEdit(20, 200);
    TLookupSettings* lookup = edit->GetLookup();
    lookup->Enabled = true;
    lookup->GetDisplayList()->SetCommaText("Banana,Apricot,Apple,Cherry");
    Show();
    edit->SetFocus();
  }
  TListHintWindow* Window() const { return edit->GetLookupWindow(); }
  bool Shown() const { return Window() && Window()->GetVisible(); }
  TListBox* List() const { return Window()->GetListBox(); }
  std::vector<AnsiString> Rows() const {
    std::vector<AnsiString> rows;
    for (int i = 0; i < List()->GetItems()->Count(); ++i)
      rows.push_back(List()->GetItems()->Strings(i));
    return rows;
  }
  AnsiString Chosen() const { return List()->GetItems()->Strings(List()->GetItemIndex()); }

  TExtEdit* edit = nullptr;
  TExtEdit* other = nullptr;
};

TEST_F(EditLookup, OpensAfterNumCharsWithTheMatchingEntries) {
  Type("a");
  EXPECT_FALSE(Shown());
  Type("p");
  ASSERT_TRUE(Shown());
  EXPECT_EQ(Rows(), (std::vector<AnsiString>{"Apple", "Apricot"}));
  EXPECT_EQ(Chosen(), "Apple");
  Type("r");
  EXPECT_EQ(Rows(), std::vector<AnsiString>{"Apricot"});
  Type("x");
  EXPECT_FALSE(Shown());
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Backspace);
  EXPECT_FALSE(Shown());  // one character is too few again
}

TEST_F(EditLookup, StandsUnderTheEditInRowsOf12Pixels) {
  Type("ap");
  ASSERT_TRUE(Shown());
  const TPoint origin = edit->ClientToScreen(TPoint(0, 0));
  EXPECT_EQ(Window()->GetLeft(), origin.x + 16);
  EXPECT_EQ(Window()->GetTop(), origin.y + edit->GetHeight() - 6);
  EXPECT_EQ(Window()->GetHeight(), 2 * 12 + 4);
  EXPECT_GE(Window()->GetWidth(), 60);
  EXPECT_EQ(List()->ItemRect(0).Height(), 12);
  EXPECT_EQ(List()->ItemRect(1).Top, List()->ItemRect(0).Bottom);
  edit->GetLookup()->DisplayCount = 1;
  Type("r");
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Window()->GetHeight(), 1 * 12 + 4);  // the display count, not the matches
}

TEST_F(EditLookup, CaseSensitiveMatchesOnlyTheSameCase) {
  edit->GetLookup()->CaseSensitive = true;
  Type("ap");
  EXPECT_FALSE(Shown());
  edit->SetText("");
  Type("Ap");
  EXPECT_TRUE(Shown());
}

TEST_F(EditLookup, EnterTakesTheChosenRow) {
  Type("ap");
  Key(Qt::Key_Down);
  EXPECT_EQ(Chosen(), "Apricot");
  Key(Qt::Key_Return);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(edit->GetText(), "Apricot");
  EXPECT_EQ(edit->GetSelLength(), 7);
}

// The row keeps its DisplayList index through the sorting.
TEST_F(EditLookup, EnterTakesTheValueListEntry) {
  edit->GetLookup()->GetValueList()->SetCommaText("B-1,AP-2,AP-3");
  Type("ap");
  Key(Qt::Key_Return);
  EXPECT_EQ(edit->GetText(), "AP-3");  // Apple, DisplayList index 2
  edit->SetText("");
  Type("ch");
  Key(Qt::Key_Return);
  EXPECT_EQ(edit->GetText(), "Cherry");  // beyond the ValueList: the row itself
}

TEST_F(EditLookup, OnLookupSelectMayChangeTheValue) {
  edit->OnLookupSelect = [](TObject*, AnsiString& Value) { Value += " (Obst)"; };
  Type("ba");
  Key(Qt::Key_Return);
  EXPECT_EQ(edit->GetText(), "Banana (Obst)");
}

TEST_F(EditLookup, KeysMoveTheChoice) {
  edit->GetLookup()->GetDisplayList()->SetCommaText("a1,a2,a3,a4,a5,a6,a7");
  edit->GetLookup()->DisplayCount = 3;
  edit->GetLookup()->SetNumChars(1);
  Type("a");
  ASSERT_TRUE(Shown());
  Key(Qt::Key_PageDown);
  EXPECT_EQ(Chosen(), "a4");
  Key(Qt::Key_PageDown);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(Chosen(), "a7");
  Key(Qt::Key_Down);
  EXPECT_EQ(Chosen(), "a7");
  Key(Qt::Key_PageUp);
  EXPECT_EQ(Chosen(), "a4");
  Key(Qt::Key_Up);
  EXPECT_EQ(Chosen(), "a3");
  Key(Qt::Key_Home);
  EXPECT_EQ(Chosen(), "a1");
  Key(Qt::Key_End);
  EXPECT_EQ(Chosen(), "a7");
  EXPECT_EQ(edit->GetText(), "a");  // the keys went no further
}

TEST_F(EditLookup, ClickTakesTheRow) {
  Type("ap");
  ASSERT_TRUE(Shown());
  auto* list = static_cast<QListWidget*>(List()->Widget());
  QPoint second = list->visualItemRect(list->item(1)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(edit->GetText(), "Apricot");
  EXPECT_TRUE(edit->Focused());
}

TEST_F(EditLookup, EnterInTheListPressesNoDefaultButton) {
  auto* ok = new TButton(&form);
  ok->SetParent(&form);
  ok->SetBounds(200, 200, 75, 25);
  ok->SetDefault(true);
  int clicks = 0;
  ok->OnClick = [&](TObject*) { ++clicks; };
  Type("ap");
  Key(Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(clicks, 0);
  Key(Qt::Key_Return);  // with no list, the form's default button answers
  QApplication::processEvents();
  EXPECT_EQ(clicks, 1);
}

TEST_F(EditLookup, LeavingTheEditHidesTheList) {
  Type("ap");
  ASSERT_TRUE(Shown());
  other->SetFocus();
  EXPECT_FALSE(Shown());
}

}  // namespace
