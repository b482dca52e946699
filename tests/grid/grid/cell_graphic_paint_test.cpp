#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/html/FilePicture.h"
#include "platform/core/stream.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/imagelist.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/readerimage.h"
#include "shown_grid.h"

namespace {

// Kept in $KALVENTO_PICTURE_DIR when that is set.
void SavePicture(const QImage& Image, const char* Name) {
  static QTemporaryDir temp;
  const char* keep = std::getenv("KALVENTO_PICTURE_DIR");
  const QDir dir(keep ? QString::fromLocal8Bit(keep) : temp.path());
  ASSERT_TRUE(Image.save(dir.filePath(Name)));
}

// A bitmap of one colour whose top-left pixel (the transparent colour) is another.
void Solid(TBitmap& Bitmap, int W, int H, TColor Color) {
  Bitmap.SetSize(W, H);
  Bitmap.Canvas->Brush->SetColor(Color);
  Bitmap.Canvas->FillRect({0, 0, W, H});
  Bitmap.Canvas->SetPixels(0, 0, clFuchsia);
}

// The smallest rectangle holding every pixel of the colour inside Area.
QRect Find(const QImage& Image, QColor Color, QRect Area) {
  QRect found;
  Area = Area.intersected(Image.rect());
  for (int y = Area.top(); y <= Area.bottom(); ++y)
    for (int x = Area.left(); x <= Area.right(); ++x)
      if (Image.pixelColor(x, y) == Color) found |= QRect(x, y, 1, 1);
  return found;
}

// The same for the dark pixels of text (drawn smoothed, so of many greys).
QRect FindText(const QImage& Image, QRect Area) {
  QRect found;
  Area = Area.intersected(Image.rect());
  for (int y = Area.top(); y <= Area.bottom(); ++y)
    for (int x = Area.left(); x <= Area.right(); ++x) {
      const QColor c = Image.pixelColor(x, y);
      if (c.red() < 128 && c.green() < 128 && c.blue() < 128) found |= QRect(x, y, 1, 1);
    }
  return found;
}

QRect ToQRect(const TRect& R) { return QRect(R.Left, R.Top, R.Width(), R.Height()); }

class GraphicPicture : public ShownGrid<TExtStringGrid> {
 protected:
  void SetUp() override {
    ShownGrid::SetUp();
    grid->SetColCount(3);
    grid->SetRowCount(6);
    grid->SetColWidths(1, 100);
    grid->SetRowHeights(1, 40);
  }
  void Show() {
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  }
  // The cell rectangle the graphic is placed in.
  QRect Cell(int col, int row) const { return ToQRect(grid->CellRect(col, row)); }
};

TEST_F(GraphicPicture, BitmapsGoWhereTheirAlignmentSays) {
  TBitmap red;
  red.SetSize(10, 10);
  red.Canvas->Brush->SetColor(clRed);
  red.Canvas->FillRect({0, 0, 10, 10});
  Show();
  const QRect c = Cell(1, 1);
  const int L = c.left(), T = c.top(), R = c.right() + 1, B = c.bottom() + 1;
  struct Case {
    TCellHAlign H;
    TCellVAlign V;
    int X, Y;
  };
  const Case cases[] = {{haLeft, vaTop, L + 1, T + 1},
                        {haRight, vaBottom, R - 1 - 10, B - 1 - 10},
                        {haCenter, vaCenter, L + (R - L - 10) / 2, T + (B - T - 10) / 2},
                        {haLeft, vaUnderText, L + 1, B - 10},
                        {haLeft, vaAboveText, L + 1, T + 1}};
  for (const Case& k : cases) {
    grid->AddBitmap(1, 1, &red, false, k.H, k.V);
    const QRect found = Find(Render(), Qt::red, c);
    EXPECT_EQ(found, QRect(k.X, k.Y, 10, 10)) << int(k.H) << " " << int(k.V);
  }
  // Beside a right-aligned text the bitmap stands before it, after a left-aligned one.
  grid->SetCells(1, 1, "abc");
  const int textWidth = grid->GetCanvas()->TextWidth("abc");
  grid->SetAlignments(1, 1, taRightJustify);
  grid->AddBitmap(1, 1, &red, false, haBeforeText, vaTop);
  EXPECT_EQ(Find(Render(), Qt::red, c).left(), R - (textWidth + 2) - 10);
  grid->SetAlignments(1, 1, taLeftJustify);
  grid->AddBitmap(1, 1, &red, false, haAfterText, vaTop);
  EXPECT_EQ(Find(Render(), Qt::red, c).left(), L + textWidth + 2);
}

TEST_F(GraphicPicture, CheckBoxesStandBesideTheirText) {
  TBitmap glyph;
  Solid(glyph, 15, 15, clBlue);
  grid->ControlLook.SetCheckedGlyph(&glyph);
  grid->ControlLook.SetControlStyle(csGlyph);
  grid->SetColWidths(2, 100);  // away from the current cell, drawn selected
  grid->SetRowHeights(2, 30);
  grid->SetCells(2, 2, "abc");
  grid->AddCheckBox(2, 2, true, false);
  Show();
  const QRect c = Cell(2, 2);
  QImage image = Render();
  SavePicture(image, "check_beside_text.png");
  QRect box = Find(image, Qt::blue, c);
  EXPECT_EQ(box.left(), c.left() + 1);  // at the left edge, the text after it
  const QRect text = FindText(image, c.adjusted(box.right() - c.left() + 1, 2, -2, -2));
  EXPECT_GT(text.left(), box.right());

  grid->SetAlignments(2, 2, taRightJustify);
  image = Render();
  box = Find(image, Qt::blue, c);
  const QRect textRight = FindText(image, c.adjusted(2, 2, -2, -2));
  EXPECT_LE(box.right(), textRight.left());  // just left of the text
  EXPECT_GE(box.right(), textRight.left() - 4);
}

TEST_F(GraphicPicture, ProgressBarsStayInTheirCells) {
  grid->SetRowCount(5);
  const char* values[] = {"0", "100", "abc", "150"};
  for (int r = 1; r <= 4; ++r) {
    grid->SetRowHeights(r, 24);
    grid->SetCells(1, r, values[r - 1]);
    grid->AddProgress(1, r, clRed, clBlue);
  }
  grid->SetCells(2, 4, "");
  Show();
  QImage image;
  ASSERT_NO_THROW(image = Render());
  SavePicture(image, "progress.png");
  const auto left = [&](int row) {
    const QRect c = Cell(1, row);
    return image.pixelColor(c.left() + 4, c.top() + 4);
  };
  const auto right = [&](int row) {
    const QRect c = Cell(1, row);
    return image.pixelColor(c.right() - 4, c.top() + 4);
  };
  EXPECT_EQ(left(1), QColor(Qt::blue));  // 0: the second colour only
  EXPECT_EQ(right(1), QColor(Qt::blue));
  EXPECT_EQ(left(2), QColor(Qt::red));  // 100: the first only
  EXPECT_EQ(right(2), QColor(Qt::red));
  EXPECT_EQ(left(3), QColor(Qt::blue));  // no number: 0
  EXPECT_EQ(grid->Cells(1, 3), "abc");
  EXPECT_EQ(right(4), QColor(Qt::red));  // 150: full, and no further
  const QRect next = Cell(2, 4);
  EXPECT_TRUE(Find(image, Qt::red, next.adjusted(2, 2, -2, -2)).isEmpty());
}

TEST_F(GraphicPicture, LeafNodesShowWhetherTheyAreOpen) {
  grid->SetColWidths(0, 40);
  grid->CellNode.SetNodeType(cnLeaf);
  grid->AddNode(1, 3);
  grid->AddNode(4, 2);
  grid->ContractNode(1);
  Show();
  const QImage image = Render();
  SavePicture(image, "leaves.png");
  const QColor navy(0, 0, 0x80);
  // The closed leaf's triangle points right (taller than wide), the open one's down.
  const QRect closed = Find(image, navy, Cell(0, 1));
  const QRect open = Find(image, navy, Cell(0, 2));
  ASSERT_FALSE(closed.isEmpty());
  ASSERT_FALSE(open.isEmpty());
  EXPECT_GT(closed.height(), closed.width());
  EXPECT_GT(open.width(), open.height());
}

TEST_F(GraphicPicture, DataImagesShowTheImageTheirValueNames) {
  TImageList images(10, 10);
  for (TColor color : {clRed, clBlue}) {
    TBitmap b;
    b.SetSize(10, 10);
    b.Canvas->Brush->SetColor(color);
    b.Canvas->FillRect({0, 0, 10, 10});
    images.AddMasked(&b, clWhite);
  }
  grid->SetImages(&images);
  const char* values[] = {"1", "5", "x", "-3"};
  for (int r = 1; r <= 4; ++r) {
    grid->SetRowHeights(r, 20);
    grid->SetCells(1, r, values[r - 1]);
    grid->AddDataImage(1, r, 0, haLeft, vaTop);
  }
  Show();
  const QImage image = Render();
  EXPECT_FALSE(Find(image, Qt::blue, Cell(1, 1)).isEmpty());  // image 1
  EXPECT_TRUE(Find(image, Qt::red, Cell(1, 2)).isEmpty());    // 5: beyond the list
  EXPECT_TRUE(Find(image, Qt::blue, Cell(1, 2)).isEmpty());
  EXPECT_FALSE(Find(image, Qt::red, Cell(1, 3)).isEmpty());  // no number: image 0
  EXPECT_TRUE(Find(image, Qt::red, Cell(1, 4)).isEmpty());   // below the list
  EXPECT_TRUE(Find(image, Qt::blue, Cell(1, 4)).isEmpty());
  grid->SetImages(nullptr);
}

TEST_F(GraphicPicture, WithoutTheThemedLookTheThemeStyleDrawsNothing) {
  grid->IsWinXP = false;
  grid->ControlLook.SetControlStyle(csTheme);
  grid->AddCheckBox(1, 2, true, false);
  grid->SetRowHeights(2, 24);
  Show();
  const QImage image = Render();
  const QRect c = Cell(1, 2).adjusted(1, 1, -1, -1);
  EXPECT_TRUE(FindText(image, c).isEmpty());
  // A button falls back on the frame control: its face is drawn.
  grid->AddButton(1, 2, 40, 18, "", haLeft, vaTop);
  const QImage button = Render();
  EXPECT_EQ(button.pixelColor(c.left() + 5, c.top() + 5),
            QApplication::palette().color(QPalette::Button));
}

// A picture of every kind of graphic (and the check boxes and radio buttons of every look),
// to be looked at.
TEST_F(GraphicPicture, EveryKindOfGraphic) {
  form.SetBounds(0, 0, 700, 700);
  grid->SetBounds(0, 0, 660, 640);
  grid->SetColCount(3);
  grid->SetRowCount(12);
  grid->SetColWidths(0, 90);
  grid->SetColWidths(1, 250);
  grid->SetColWidths(2, 250);
  for (int r = 1; r < 12; ++r) grid->SetRowHeights(r, r == 5 ? 60 : 36);

  TBitmap bitmap;
  Solid(bitmap, 20, 20, clGreen);
  bitmap.Canvas->Brush->SetColor(clYellow);
  bitmap.Canvas->Ellipse(4, 4, 16, 16);
  TImageList images(16, 16);
  for (TColor color : {clRed, clLime, clBlue, clFuchsia}) {
    TBitmap b;
    b.SetSize(16, 16);
    b.Canvas->Brush->SetColor(clWhite);
    b.Canvas->FillRect({0, 0, 16, 16});
    b.Canvas->Brush->SetColor(color);
    b.Canvas->Ellipse(1, 1, 15, 15);
    images.AddMasked(&b, clWhite);
  }
  grid->SetImages(&images);

  const char* kinds[] = {"",         "bitmap",  "images", "check",   "radio", "rotated",
                         "progress", "comment", "button", "picture", "icon",  "marker"};
  for (int r = 0; r < 12; ++r) grid->SetCells(0, r, kinds[r]);
  grid->SetCells(1, 1, "beside a bitmap");
  grid->AddBitmap(1, 1, &bitmap, true, haBeforeText, vaCenter);
  grid->SetCells(2, 1, "after it");
  grid->AddBitmap(2, 1, &bitmap, false, haAfterText, vaCenter);
  grid->AddImageIdx(1, 2, 2, haLeft, vaCenter);
  grid->SetCells(1, 2, "image 2");
  TIntList* list = grid->AddMultiImage(2, 2, 0, haLeft, vaCenter);
  for (int i : {0, 1, 2, 3, 7}) list->Add(i);  // 7 is beyond the list: nothing
  grid->SetCells(1, 3, "checked");
  grid->AddCheckBox(1, 3, true, false);
  grid->SetCells(2, 3, "Y");
  grid->SetAlignments(2, 3, taRightJustify);
  grid->AddCheckBox(2, 3, false, true);
  TStrings* items = grid->CreateRadio(1, 4, 0, 1);
  for (const char* s : {"one", "two"}) items->Add(s);
  TStrings* across = grid->CreateRadio(2, 4, 1, 2);
  for (const char* s : {"red", "green", "blue"}) across->Add(s);
  grid->AddRotated(1, 5, 30, "30 degrees");
  grid->AddRotated(2, 5, 0, "not turned");
  grid->SetCells(1, 6, "40");
  grid->AddProgress(1, 6, clNavy, clWhite);
  grid->SetCells(2, 6, "75");
  grid->AddProgressEx(2, 6, clGreen, clYellow, clSilver, clBlack);
  grid->SetCells(1, 7, "has a comment");
  grid->AddComment(1, 7, "remark");
  grid->AddButton(1, 8, 80, 24, "Button", haCenter, vaCenter);
  TBitmap* glyph = grid->CreateBitButton(2, 8, 90, 24, "Glyph", haLeft, vaCenter);
  Solid(*glyph, 12, 12, clRed);
  grid->PushButton(2, 8, true);
  TBitmap large;
  Solid(large, 200, 100, clTeal);
  large.Canvas->Brush->SetColor(clWhite);
  large.Canvas->Ellipse(20, 10, 180, 90);
  TPicture picture;
  picture.SetGraphic(&large);
  grid->AddPicture(1, 9, &picture, false, StretchWithAspectRatio, 0, haCenter, vaCenter);
  QTemporaryDir temp;
  const QString file = temp.filePath("tile.bmp");
  large.SaveToFile(file.toLocal8Bit().constData());
  TFilePicture* filePicture = grid->CreateFilePicture(2, 9, false, Stretch, 0, haFull, vaFull);
  filePicture->SetFileName(file.toLocal8Bit().constData());

  QImage icoImage(16, 16, QImage::Format_ARGB32);
  icoImage.fill(Qt::transparent);
  QPainter painter(&icoImage);
  painter.setBrush(Qt::darkMagenta);
  painter.drawRect(2, 2, 11, 11);
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (icoImage.save(&buffer, "ICO")) {
    TMemoryStream stream;
    stream.Write(bytes.constData(), bytes.size());
    stream.Seek(0, soFromBeginning);
    grid->CreateIcon(1, 10, haBeforeText, vaCenter)->LoadFromStream(stream);
    grid->SetCells(1, 10, "an icon");
  }
  grid->SetCells(1, 11, "a wrong word here");
  grid->AddMarker(1, 11, 2, 5);

  Show();
  QImage image;
  ASSERT_NO_THROW(image = Render());
  SavePicture(image, "graphics.png");
  // The button kept where it was drawn, for the mouse.
  const TRect button = grid->ButtonRect(1, 8);
  EXPECT_EQ(button.Width(), 80);
  EXPECT_EQ(button.Height(), 24);
  EXPECT_TRUE(PtInRect(grid->CellRect(1, 8), TPoint(button.Left + 1, button.Top + 1)));

  // The looks of check boxes and radio buttons side by side.
  grid->SetBounds(0, 0, 660, 130);
  grid->SetRowCount(3);
  grid->SetCells(1, 2, "");
  grid->ClearRect(0, 0, 2, 2);
  grid->SetCells(1, 1, "on");
  grid->AddCheckBox(1, 1, true, false);
  grid->SetCells(2, 1, "off");
  grid->AddCheckBox(2, 1, false, false);
  TStrings* radio = grid->CreateRadio(1, 2, 1, 0);
  for (const char* s : {"a", "b"}) radio->Add(s);
  grid->OnCanEditCell = [](TObject*, int, int ACol, bool& CanEdit) { CanEdit = ACol != 2; };
  TStrings* disabled = grid->CreateRadio(2, 2, 1, 1);
  for (const char* s : {"a", "b"}) disabled->Add(s);
  QImage looks(660, 7 * 130, QImage::Format_ARGB32);
  QPainter all(&looks);
  const TGridControlStyle styles[] = {csClassic, csFlat,  csWinXP, csBorland,
                                      csOrvik,   csGlyph, csTheme};
  TBitmap on, off;
  Solid(on, 15, 15, clLime);
  Solid(off, 15, 15, clMaroon);
  grid->ControlLook.SetCheckedGlyph(&on);
  grid->ControlLook.SetUnCheckedGlyph(&off);
  grid->ControlLook.SetRadioOnGlyph(&on);
  grid->ControlLook.SetRadioOffGlyph(&off);
  const char* names[] = {"classic", "flat", "winxp", "borland", "orvik", "glyph", "theme"};
  for (int i = 0; i < 7; ++i) {
    grid->ControlLook.SetControlStyle(styles[i]);
    grid->SetCells(0, 1, names[i]);
    all.drawImage(0, i * 130, Render());
  }
  all.end();
  SavePicture(looks, "check_looks.png");
  grid->SetImages(nullptr);
}

// Graphics that own their objects paint the same after a trip through the binary stream.
TEST_F(GraphicPicture, StreamedGraphicsPaintAsBefore) {
  grid->SetColWidths(2, 120);
  for (int r = 1; r < 6; ++r) grid->SetRowHeights(r, 36);
  Solid(*grid->CreateBitmap(1, 1, true, haBeforeText, vaCenter), 20, 20, clGreen);
  grid->SetCells(1, 1, "bitmap");
  Solid(*grid->CreateBitButton(2, 1, 90, 24, "Glyph", haLeft, vaCenter), 12, 12, clRed);
  TBitmap large;
  Solid(large, 200, 100, clTeal);
  TPicture* picture = grid->CreatePicture(1, 2, false, StretchWithAspectRatio, 0, haCenter,
                                          vaCenter);
  picture->SetGraphic(&large);
  QTemporaryDir temp;
  const QString file = temp.filePath("tile.bmp");
  large.SaveToFile(file.toLocal8Bit().constData());
  grid->CreateFilePicture(2, 2, false, Stretch, 0, haFull, vaFull)
      ->SetFileName(file.toLocal8Bit().constData());
  grid->SetCells(1, 3, "40");
  grid->AddProgressEx(1, 3, clGreen, clYellow, clSilver, clBlack);
  Show();
  const QImage before = Render();

  TMemoryStream stream;
  grid->SaveToBinStream(&stream);
  grid->ClearRect(0, 0, 2, 5);
  ASSERT_NE(Render(), before);
  stream.SetPosition(0);
  grid->LoadFromBinStream(&stream);
  const QImage after = Render();
  SavePicture(after, "streamed_graphics.png");
  EXPECT_EQ(after, before);
}

}  // namespace
