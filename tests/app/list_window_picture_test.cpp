// The list window on the bundled parts database, rendered into a PNG (kept in
// $KALVENTO_PICTURE_DIR when that is set): the texts and the list's cells where they belong.
#include "ListWindowTest.h"
#include "tools/sample/SampleDatabase.h"
#include "window_picture.h"

namespace {

TEST_F(ListWindow, PictureOfTheBundledDatabase) {
  ASSERT_TRUE(WriteSampleDatabase(dir.Path()));
  DatenbankDbmLaden("Kalvento.dbm");
  Show();
  ASSERT_GT(dbase_anzahlindex, 23u);
  QImage image = RenderWindow(&list, "list.png");
  ASSERT_FALSE(image.isNull());
  for (TControl* text :
       {static_cast<TControl*>(list.labDatenbank), static_cast<TControl*>(list.Label1),
        static_cast<TControl*>(list.labnumberofindex), static_cast<TControl*>(list.Label3),
        static_cast<TControl*>(list.btnSelektieren), static_cast<TControl*>(list.btnOK)})
    EXPECT_TRUE(HasInk(image, AreaInForm(text)));
  // The last data row shows its designation.
  TRect last = list.grdAusgabe->CellRect(1, 23);
  QRect cell = AreaInForm(list.grdAusgabe).adjusted(2, 2, 0, 0);
  EXPECT_TRUE(HasInk(image, QRect(cell.left() + last.Left, cell.top() + last.Top,
                                  last.Right - last.Left, last.Bottom - last.Top)));

  // The suppliers' layout looks the delivery time up in the linked table.
  ClickTab(3);
  ASSERT_EQ(list.grdAusgabe->GetColumns()->GetItem(3)->Tag, kDeliveryTimeColumn);
  EXPECT_NE(Cell(3, 1), "");
  EXPECT_FALSE(RenderWindow(&list, "list-suppliers.png").isNull());
  EXPECT_TRUE(log.texts.empty()) << log.texts[0];
}

}  // namespace
