// The list window's saved-query chooser opens by the keyboard as wide as its longest query's
// name, the box keeping its width. A picture of the open list is kept in
// $KALVENTO_PICTURE_DIR when that is set.
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>

#include "ExportWindowTest.h"

namespace {

using ListChooser = ExportWindow;

TEST_F(ListChooser, TheSavedQueriesOpenAsWideAsTheLongestName) {
  WriteDatabase(4, 1);
  ShowList();
  auto* box = static_cast<QComboBox*>(list.cboAusgabe->Widget());
  ASSERT_GE(box->findText(QString::fromLatin1(TfrmWarenkorbExportieren::kCartQuery)), 0);
  const int width = list.cboAusgabe->GetWidth();
  ASSERT_TRUE(QTest::qWaitForWindowActive(list.Widget()));
  list.cboAusgabe->SetFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
  ASSERT_TRUE(list.cboAusgabe->GetDroppedDown());
  if (const char* keep = std::getenv("KALVENTO_PICTURE_DIR"))
    box->view()->window()->grab().save(QDir(keep).filePath("list-query-chooser.png"));
  int widest = 0;
  for (int i = 0; i < box->count(); ++i)
    widest = std::max(widest, box->view()->fontMetrics().horizontalAdvance(box->itemText(i)));
  EXPECT_GE(box->view()->viewport()->width(), widest + 4);
  EXPECT_EQ(list.cboAusgabe->GetWidth(), width);
  QTest::keyClick(box->view(), Qt::Key_Escape);
  EXPECT_FALSE(list.cboAusgabe->GetDroppedDown());
}

}  // namespace
