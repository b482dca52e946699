// The list box: entries with objects, sorted insertion, the chosen entry, fixed row heights;
// and where an edit's characters stand.
#include <gtest/gtest.h>

#include <QTest>

#include "platform/controls/forms.h"
#include "platform/stdctrls/edit.h"
#include "platform/stdctrls/listbox.h"

namespace {

class ListBox : public testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(0, 0, 300, 200);
    list = new TListBox(&form);
    list->SetParent(&form);
    list->SetBounds(10, 10, 120, 100);
  }
  TForm form{nullptr};
  TListBox* list = nullptr;
};

TEST_F(ListBox, SortedListPutsEachEntryInItsPlaceWithItsObject) {
  TObject one, two, three;
  list->SetSorted(true);
  list->GetItems()->AddObject("Kirsche", &one);
  EXPECT_EQ(list->GetItems()->AddObject("apfel", &two), 0);
  EXPECT_EQ(list->GetItems()->AddObject("Birne", &three), 1);
  EXPECT_EQ(list->GetItems()->GetCommaText(), "apfel,Birne,Kirsche");
  EXPECT_EQ(list->GetItems()->Objects(0), &two);
  EXPECT_EQ(list->GetItems()->Objects(2), &one);
  list->GetItems()->Delete(0);
  EXPECT_EQ(list->GetItems()->Count(), 2);
  EXPECT_THROW(list->GetItems()->Strings(2), EStringListError);
}

TEST_F(ListBox, OwnerDrawnRowsHaveTheirFixedHeight) {
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(12);
  list->GetItems()->SetCommaText("a,b,c");
  form.Show();
  EXPECT_EQ(list->ItemRect(0).Height(), 12);
  EXPECT_EQ(list->ItemRect(2).Top, 24);
  EXPECT_EQ(list->GetTopIndex(), 0);
  list->SetItemHeight(20);
  EXPECT_EQ(list->ItemRect(1).Top, 20);
}

TEST_F(ListBox, ClickChoosesTheRowUnderTheMouse) {
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(12);
  list->GetItems()->SetCommaText("a,b,c");
  int ups = 0;
  list->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int Y) {
    ++ups;
    EXPECT_EQ(Y, 18);
  };
  form.Show();
  QTest::mouseClick(list->Widget()->findChild<QWidget*>("qt_scrollarea_viewport"), Qt::LeftButton,
                    {}, QPoint(5, 18));
  EXPECT_EQ(list->GetItemIndex(), 1);
  EXPECT_EQ(ups, 1);
}

TEST(EditPlaces, CharactersStandOneAfterAnother) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 100);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  edit->SetBounds(10, 10, 200, 21);
  edit->SetText("WWii");
  form.Show();
  const TPoint first = edit->PosFromChar(0), second = edit->PosFromChar(1);
  const TPoint third = edit->PosFromChar(2), fourth = edit->PosFromChar(3);
  const TPoint end = edit->PosFromChar(4);
  EXPECT_GT(first.x, 0);
  EXPECT_EQ(second.x - first.x, third.x - second.x);  // two Ws
  EXPECT_LT(end.x - fourth.x, second.x - first.x);    // an i is narrower
  EXPECT_EQ(second.y, first.y);
  EXPECT_EQ(edit->PosFromChar(5), TPoint(-1, -1));
  edit->SetSelStart(4);  // the caret's place does not move the characters
  EXPECT_EQ(edit->PosFromChar(1), second);
}

}  // namespace
