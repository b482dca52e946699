#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "platform/core/actions.h"
#include "platform/stdctrls/checkbox.h"
#include "platform/stdctrls/combobox.h"
#include "platform/controls/forms.h"
#include "platform/stdctrls/groupbox.h"
#include "platform/stdctrls/memo.h"
#include "platform/stdctrls/pagecontrol.h"
#include "platform/stdctrls/progressbar.h"
#include "platform/stdctrls/scrollbar.h"
#include "platform/stdctrls/statusbar.h"
#include "platform/stdctrls/updown.h"

namespace {

class StandardControls : public testing::Test {
 protected:
  void SetUp() override { form.SetBounds(0, 0, 400, 300); }
  template <class T>
  T* Add(TWinControl* parent = nullptr) {
    auto* control = new T(&form);
    control->SetParent(parent ? parent : &form);
    return control;
  }
  void ShowFocused(TWinControl* control) {
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
    control->SetFocus();
  }
  QWidget* Focus() const { return QApplication::focusWidget(); }

  TForm form{nullptr};
  int changes = 0;
  TNotifyEvent counted = [this](TObject*) { ++changes; };
};

TEST_F(StandardControls, MemoCountsLineEndsAsCrLf) {
  auto* memo = Add<TMemo>();
  memo->SetText("eins\r\nzwei\ndrei");
  EXPECT_EQ(memo->GetText(), "eins\r\nzwei\r\ndrei");
  EXPECT_EQ(memo->GetLines()->Count(), 3);
  EXPECT_EQ(memo->GetLines()->Strings(1), "zwei");
  memo->SetSelStart(8);  // after "eins\r\nzw"
  memo->SetSelLength(4);
  EXPECT_EQ(memo->GetSelText(), "ei\r\n");
  EXPECT_EQ(memo->LineIndex(2), 12);
  EXPECT_EQ(memo->LineIndex(3), -1);
}

TEST_F(StandardControls, MemoLinesChangeAsTheWindowsMemoDoes) {
  auto* memo = Add<TMemo>();
  memo->OnChange = counted;
  TStrings* lines = memo->GetLines();
  EXPECT_EQ(lines->Count(), 0);
  lines->Add("a");
  EXPECT_EQ(memo->GetText(), "a\r\n");  // an added line brings its line end
  EXPECT_EQ(lines->Count(), 1);
  lines->Add("b");
  lines->Insert(0, "z");
  EXPECT_EQ(memo->GetText(), "z\r\na\r\nb\r\n");
  lines->SetStrings(1, "A");
  lines->Delete(0);
  EXPECT_EQ(memo->GetText(), "A\r\nb\r\n");
  EXPECT_GT(changes, 0);
  memo->SetText("x");
  lines->Add("y");  // after a last line without its end
  EXPECT_EQ(memo->GetText(), "x\r\ny");
  EXPECT_THROW(lines->Strings(5), EStringListError);
}

TEST_F(StandardControls, MemoTypesLineEndsAndKeepsItsLimit) {
  auto* memo = Add<TMemo>();
  memo->SetMaxLength(5);
  ShowFocused(memo);
  QTest::keyClicks(Focus(), "ab");
  QTest::keyClick(Focus(), Qt::Key_Return);
  QTest::keyClicks(Focus(), "cde");
  EXPECT_EQ(memo->GetText(), "ab\r\nc");
  QTest::keyClick(Focus(), Qt::Key_Tab);  // moves on, types nothing
  EXPECT_EQ(memo->GetText(), "ab\r\nc");
}

TEST_F(StandardControls, ComboBoxChangesOnlyByTheUserFireOnChange) {
  auto* combo = Add<TComboBox>();
  combo->OnChange = counted;
  TStrings* items = combo->GetItems();
  for (const char* item : {"Apfel", "Birne", "Kirsche"}) items->Add(item);
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->GetText(), "Birne");
  combo->SetText("Kirsche");
  EXPECT_EQ(combo->GetItemIndex(), 2);
  combo->SetText("Pflaume");  // an edit combo shows any text; it then has no entry chosen
  EXPECT_EQ(combo->GetText(), "Pflaume");
  EXPECT_EQ(combo->GetItemIndex(), -1);
  EXPECT_EQ(changes, 0);

  ShowFocused(combo);
  combo->SetText("");
  QTest::keyClicks(Focus(), "Mi");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(combo->GetText().substr(0, 2), "Mi");
}

// A text set by the program shows from its start, however long it is.
TEST_F(StandardControls, ComboBoxShowsASetTextFromItsStart) {
  auto* combo = Add<TComboBox>();
  combo->SetBounds(0, 0, 60, 21);
  combo->GetItems()->Add("BEZEICHNUNG");
  combo->SetText("BEZEICHNUNG");
  EXPECT_EQ(combo->Widget()->findChild<QLineEdit*>()->cursorPosition(), 0);
  combo->SetText("EINE SEHR LANGE ZEILE");
  EXPECT_EQ(combo->Widget()->findChild<QLineEdit*>()->cursorPosition(), 0);
  EXPECT_EQ(combo->GetText(), "EINE SEHR LANGE ZEILE");
}

TEST_F(StandardControls, ListComboChoosesByKeyAndKeepsItsEntries) {
  auto* combo = Add<TComboBox>();
  combo->SetStyle(csDropDownList);
  combo->OnChange = counted;
  for (const char* item : {"=", "<", ">", "!"}) combo->GetItems()->Add(item);
  EXPECT_EQ(combo->GetItemIndex(), -1);
  EXPECT_EQ(combo->GetText(), "");
  combo->SetText("nicht da");  // a list combo only takes its own entries
  EXPECT_EQ(combo->GetItemIndex(), -1);
  combo->SetText(">");
  EXPECT_EQ(combo->GetItemIndex(), 2);
  ShowFocused(combo);
  QTest::keyClick(Focus(), Qt::Key_Down);
  EXPECT_EQ(combo->GetText(), "!");
  EXPECT_EQ(changes, 1);
  combo->GetItems()->Clear();
  EXPECT_EQ(combo->GetItemIndex(), -1);
  EXPECT_EQ(changes, 1);
}

TEST_F(StandardControls, CheckBoxClicksOnEveryChange) {
  auto* box = Add<TCheckBox>();
  box->SetCaption("&bestellen");
  box->OnClick = counted;
  box->SetChecked(true);
  box->SetChecked(true);  // no change, no click
  EXPECT_EQ(changes, 1);
  ShowFocused(box);
  QTest::mouseClick(box->Widget(), Qt::LeftButton);
  EXPECT_FALSE(box->GetChecked());
  EXPECT_EQ(changes, 2);
  QTest::keyClick(Focus(), Qt::Key_Space);
  EXPECT_TRUE(box->GetChecked());
  EXPECT_EQ(changes, 3);
  box->SetState(cbGrayed);
  EXPECT_EQ(box->GetState(), cbGrayed);
  QTest::mouseClick(box->Widget(), Qt::LeftButton);  // gray goes on to checked
  EXPECT_EQ(box->GetState(), cbChecked);
}

TEST_F(StandardControls, RadioButtonsOfOneParentExcludeEachOther) {
  auto* group = Add<TGroupBox>();
  auto* first = Add<TRadioButton>(group);
  auto* second = Add<TRadioButton>(group);
  auto* elsewhere = Add<TRadioButton>();
  second->SetTop(20);
  std::vector<std::string> clicks;
  first->OnClick = [&](TObject*) { clicks.push_back("first"); };
  second->OnClick = [&](TObject*) { clicks.push_back("second"); };
  first->SetChecked(true);
  elsewhere->SetChecked(true);
  second->SetChecked(true);
  EXPECT_FALSE(first->GetChecked());
  EXPECT_TRUE(elsewhere->GetChecked());
  form.Show();
  QTest::mouseClick(first->Widget(), Qt::LeftButton);
  QTest::mouseClick(first->Widget(), Qt::LeftButton);  // already checked: no click
  EXPECT_FALSE(second->GetChecked());
  first->SetChecked(false);  // the program may leave none checked
  EXPECT_FALSE(first->GetChecked());
  EXPECT_EQ(clicks, (std::vector<std::string>{"first", "second", "first"}));
}

TEST_F(StandardControls, ScrollBarKeepsItsRangeAndReportsScrolling) {
  auto* bar = Add<TScrollBar>();
  bar->SetKind(sbVertical);
  EXPECT_EQ(bar->GetWidth(), 17);
  bar->OnChange = counted;
  bar->SetParams(5, 0, 29);
  bar->SetLargeChange(22);
  bar->SetPosition(40);
  EXPECT_EQ(bar->GetPosition(), 29);
  bar->SetPosition(-1);
  EXPECT_EQ(bar->GetPosition(), 0);
  EXPECT_EQ(changes, 3);
  EXPECT_THROW(bar->SetMax(-1), EInvalidOperation);

  std::vector<std::pair<TScrollCode, int>> scrolls;
  bar->OnScroll = [&](TObject*, TScrollCode code, int& position) {
    scrolls.emplace_back(code, position);
    if (code == scPageDown) position = 7;  // the handler has the last word
  };
  ShowFocused(bar);
  QTest::keyClick(Focus(), Qt::Key_Down);
  QTest::keyClick(Focus(), Qt::Key_PageDown);
  EXPECT_EQ(bar->GetPosition(), 7);
  EXPECT_EQ(scrolls, (std::vector<std::pair<TScrollCode, int>>{{scLineDown, 1}, {scPageDown, 23}}));
  EXPECT_EQ(static_cast<QScrollBar*>(bar->Widget())->value(), 7);
}

TEST_F(StandardControls, PageControlShowsTheActivePageAndAsksBeforeLeaving) {
  auto* pages = Add<TPageControl>();
  std::vector<TTabSheet*> sheets;
  for (const char* caption : {"Liste1", "Liste2", "Liste3"}) {
    auto* sheet = new TTabSheet(&form);
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
    sheets.push_back(sheet);
  }
  EXPECT_EQ(pages->GetPageCount(), 3);
  EXPECT_EQ(pages->GetActivePage(), sheets[0]);
  EXPECT_EQ(sheets[0]->GetWidth(), 281);  // 289 x 193 gives pages of 281 x 165
  EXPECT_EQ(sheets[0]->GetHeight(), 165);
  auto* tabs = pages->Widget()->findChild<QTabBar*>();
  EXPECT_EQ(tabs->tabText(2), "Liste3");

  sheets[1]->SetTabVisible(false);
  EXPECT_FALSE(tabs->isTabVisible(1));
  pages->SetActivePageIndex(2);  // the program's choice fires nothing
  EXPECT_TRUE(sheets[2]->GetVisible());
  EXPECT_FALSE(sheets[0]->GetVisible());

  bool allow = false;
  pages->OnChanging = [&](TObject*, bool& allowChange) { allowChange = allow; };
  pages->OnChange = counted;
  form.Show();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
  EXPECT_EQ(pages->GetActivePageIndex(), 2);
  EXPECT_EQ(tabs->currentIndex(), 2);
  allow = true;
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
  EXPECT_EQ(pages->GetActivePageIndex(), 0);
  EXPECT_EQ(changes, 1);

  delete sheets[0];
  EXPECT_EQ(pages->GetPageCount(), 2);
  EXPECT_NE(pages->GetActivePage(), nullptr);
}

TEST_F(StandardControls, UpDownStepsItsAssociate) {
  auto* edit = Add<TEdit>();
  edit->SetBounds(10, 10, 80, 21);
  edit->SetText("998");
  auto* updown = Add<TUpDown>();
  updown->SetMax(1001);
  updown->SetAssociate(edit);
  EXPECT_EQ(edit->GetWidth(), 80 - updown->GetWidth());
  EXPECT_EQ(updown->GetLeft(), 10 + edit->GetWidth());
  ThousandSeparator = '.';
  form.Show();
  auto arrows = updown->Widget()->findChildren<QToolButton*>();
  QTest::mouseClick(arrows[0], Qt::LeftButton);
  QTest::mouseClick(arrows[0], Qt::LeftButton);
  EXPECT_EQ(edit->GetText(), "1.000");
  updown->Wrap = true;
  updown->Click(btNext);
  updown->Click(btNext);
  EXPECT_EQ(updown->GetPosition(), 0);
}

TEST_F(StandardControls, ProgressAndStatusBar) {
  auto* progress = Add<TProgressBar>();
  progress->SetPosition(150);
  EXPECT_EQ(progress->GetPosition(), 100);
  progress->SetPosition(50);
  progress->StepIt();
  EXPECT_EQ(progress->GetPosition(), 60);

  auto* status = Add<TStatusBar>();
  status->SetSimplePanel(true);
  status->SetSimpleText("Daten o.k.");
  EXPECT_EQ(status->GetTop() + status->GetHeight(), form.GetClientHeight());  // at the bottom
  EXPECT_EQ(status->GetWidth(), form.GetClientWidth());
  form.SetBounds(0, 0, 500, 400);
  EXPECT_EQ(status->GetTop() + status->GetHeight(), form.GetClientHeight());
}

TEST_F(StandardControls, AlignedControlsShareTheClientArea) {
  auto* top = Add<TGroupBox>();
  top->SetHeight(50);
  top->SetAlign(alTop);
  auto* client = Add<TGroupBox>();
  client->SetAlign(alClient);
  auto* left = Add<TGroupBox>();
  left->SetWidth(30);
  left->SetAlign(alLeft);
  EXPECT_EQ(top->GetWidth(), form.GetClientWidth());
  EXPECT_EQ(left->GetTop(), 50);
  EXPECT_EQ(left->GetHeight(), form.GetClientHeight() - 50);
  EXPECT_EQ(client->GetLeft(), 30);
  EXPECT_EQ(client->GetWidth(), form.GetClientWidth() - 30);
}

TEST_F(StandardControls, ActionExecutesThroughItsListFirst) {
  TActionList list(&form);
  auto* action = new TAction(&form);
  action->SetActionList(&list);
  std::vector<std::string> runs;
  action->OnExecute = [&](TObject*) { runs.push_back("action"); };
  EXPECT_TRUE(action->Execute());
  list.OnExecute = [&](TAction*, bool& handled) {
    runs.push_back("list");
    handled = true;
  };
  EXPECT_TRUE(action->Execute());
  action->Enabled = false;
  EXPECT_FALSE(action->Execute());
  EXPECT_EQ(runs, (std::vector<std::string>{"action", "list"}));
  delete action;
  EXPECT_EQ(list.GetActionCount(), 0);
}

}  // namespace
