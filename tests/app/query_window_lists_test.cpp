// The query window's lists by the keyboard: a field list opens as wide as its longest name
// while the box keeps its width, and a field name chosen or typed shows from its first letter,
// as an operator of two characters shows whole. Pictures of the open list and the criteria
// are kept in $KALVENTO_PICTURE_DIR when that is set.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include "QueryWindowTest.h"
#include "window_picture.h"

namespace {

QComboBox* Box(TComboBox* combo) { return static_cast<QComboBox*>(combo->Widget()); }

// The widest entry's text, in the list's font.
int WidestEntry(QComboBox* box) {
  int widest = 0;
  for (int i = 0; i < box->count(); ++i)
    widest = std::max(widest, box->view()->fontMetrics().horizontalAdvance(box->itemText(i)));
  return widest;
}

// Whether the field shows its text from the first letter: the caret stands before it, at the
// field's left edge.
bool ShowsFromItsStart(TComboBox* combo) {
  QLineEdit* edit = Box(combo)->lineEdit();
  return edit->cursorPosition() == 0 &&
         edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() <= 3;
}

// Whether the field shows all of its text: it fits beside the margins.
bool ShowsWhole(TComboBox* combo) {
  QLineEdit* edit = Box(combo)->lineEdit();
  return edit->fontMetrics().horizontalAdvance(edit->text()) + 5 <= edit->width();
}

void Keep(QWidget* widget, const QString& name) {
  if (const char* keep = std::getenv("KALVENTO_PICTURE_DIR"))
    widget->grab().save(QDir(QString::fromLocal8Bit(keep)).filePath(name));
}

TEST_F(QueryWindow, AFieldListOpensAsWideAsItsLongestName) {
  form.Show();
  form.cbo1->SetFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
  QComboBox* box = Box(form.cbo1);
  ASSERT_TRUE(form.cbo1->GetDroppedDown());
  QWidget* list = box->view()->window();
  Keep(list, "query-field-list.png");
  EXPECT_GE(box->view()->viewport()->width(), WidestEntry(box) + 4);
  EXPECT_EQ(form.cbo1->GetWidth(), 97);
  QTest::keyClick(box->view(), Qt::Key_Escape);
  EXPECT_FALSE(form.cbo1->GetDroppedDown());
}

TEST_F(QueryWindow, AFieldNameChosenOrTypedShowsFromItsFirstLetter) {
  form.Show();
  form.cbo1->SetFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(form.cbo1->GetText(), "BEZEICHNUN");
  EXPECT_TRUE(ShowsFromItsStart(form.cbo1));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(ShowsFromItsStart(form.cbo1));
  QTest::keyClicks(QApplication::focusWidget(), ">=");
  EXPECT_EQ(form.cbo2->GetText(), ">=");
  EXPECT_TRUE(ShowsWhole(form.cbo2));
  Type(form.cbo4, "BEZEICHNUN");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(ShowsFromItsStart(form.cbo4));
  Keep(form.Panel1->Widget(), "query-criteria.png");
}

}  // namespace
