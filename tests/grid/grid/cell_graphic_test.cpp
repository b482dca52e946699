#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "components/grid/grid/ExtGrid.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/imagelist.h"
#include "platform/graphics/picture.h"

namespace {

// An object that says when it is freed.
class Tracked : public TObject {
 public:
  explicit Tracked(bool* Freed) : freed_(Freed) {}
  ~Tracked() override { *freed_ = true; }

 private:
  bool* freed_;
};

class CellGraphics : public testing::Test {
 protected:
  TExtStringGrid grid{nullptr};
  void SetUp() override {
    grid.SetColCount(4);
    grid.SetRowCount(6);
  }
  // An owned object in the cell's graphic, as the Create forms make one.
  void OwnedGraphic(int ACol, int ARow, bool* Freed) {
    TCellGraphic* graphic = grid.CreateCellGraphic(ACol, ARow);
    graphic->CellType = ctBitmap;
    graphic->CellBitmap = new Tracked(Freed);
    graphic->CellCreated = true;
  }
};

TEST_F(CellGraphics, TheCellOwnsOneGraphicAndItsMadeObject) {
  bool freed = false;
  OwnedGraphic(1, 1, &freed);
  grid.AddComment(1, 1, "second");
  EXPECT_TRUE(freed);  // the second graphic freed the first and what it owned
  EXPECT_EQ(grid.GetCellType(1, 1), ctComment);

  // The caller's object stays the caller's.
  TBitmap mine;
  mine.SetSize(4, 4);
  grid.AddBitmap(1, 2, &mine, false, haLeft, vaTop);
  EXPECT_EQ(grid.GetBitmap(1, 2), &mine);
  EXPECT_TRUE(grid.RemoveBitmap(1, 2));
  EXPECT_EQ(mine.GetWidth(), 4);

  // Dropping the properties (clearing the cell) frees the graphic with its object.
  freed = false;
  OwnedGraphic(2, 2, &freed);
  grid.ClearRect(2, 2, 2, 2);
  EXPECT_TRUE(freed);
  EXPECT_EQ(grid.GetCellType(2, 2), ctEmpty);
}

TEST_F(CellGraphics, RemovingLooksAtTheKind) {
  grid.AddComment(1, 1, "note");
  EXPECT_FALSE(grid.RemoveBitmap(1, 1));
  EXPECT_FALSE(grid.RemoveCheckBox(1, 1));
  EXPECT_EQ(grid.GetBitmap(1, 1), nullptr);
  AnsiString comment;
  EXPECT_TRUE(grid.IsComment(1, 1, comment));
  EXPECT_EQ(comment, "note");
  EXPECT_TRUE(grid.RemoveComment(1, 1));
  EXPECT_FALSE(grid.IsComment(1, 1, comment));
  EXPECT_FALSE(grid.FreeCellGraphic(1, 1));
  // Both button kinds go with RemoveButton.
  grid.AddButton(2, 2, 40, 18, "Go", haLeft, vaTop);
  EXPECT_TRUE(grid.HasButton(2, 2));
  EXPECT_TRUE(grid.RemoveButton(2, 2));
  EXPECT_FALSE(grid.HasButton(2, 2));
}

// A graphic read from a stream may carry any offset; the button then stands at the cell.
TEST_F(CellGraphics, AButtonOffsetThatIsNoneCountsZero) {
  grid.AddButton(1, 1, 30, 12, "x", haLeft, vaTop);
  const TRect cell = grid.CellRect(1, 1);
  for (double junk : {1e300, -5.0, std::nan("")}) {
    grid.GetCellGraphic(1, 1)->CellValue = junk;
    const TRect r = grid.ButtonRect(1, 1);
    EXPECT_EQ(r.Left, cell.Left);
    EXPECT_EQ(r.Top, cell.Top);
    EXPECT_EQ(r.Width(), 30);
  }
  grid.GetCellGraphic(1, 1)->CellValue = (3 << 16) | 5;
  EXPECT_EQ(grid.ButtonRect(1, 1).Left, cell.Left + 5);
  EXPECT_EQ(grid.ButtonRect(1, 1).Top, cell.Top + 3);
}

TEST_F(CellGraphics, AGraphicOnAnEmptyCellKeepsItEmpty) {
  grid.AddCheckBox(1, 1, true, false);
  EXPECT_EQ(grid.Cells(1, 1), "");
  EXPECT_EQ(grid.GetCellType(1, 1), ctCheckBox);
  grid.SetCells(2, 1, "kept");
  grid.AddComment(2, 1, "c");
  EXPECT_EQ(grid.Cells(2, 1), "kept");
}

TEST_F(CellGraphics, AnglesComeInto0To360) {
  TCellGraphic graphic;
  for (auto [given, kept] :
       {std::pair{-90, 270}, {720, 360}, {360, 360}, {0, 0}, {-450, 270}, {45, 45}}) {
    graphic.SetAngle(given);
    EXPECT_EQ(graphic.CellAngle, kept) << given;
  }
  EXPECT_EQ(graphic.CellType, ctRotated);

  grid.AddRotated(1, 1, -90, "Up");
  int angle = 0;
  ASSERT_TRUE(grid.IsRotated(1, 1, angle));
  EXPECT_EQ(angle, 270);
  EXPECT_EQ(grid.Cells(1, 1), "Up");
  grid.SetRotated(2, 2, 90);  // made where missing
  EXPECT_TRUE(grid.IsRotated(2, 2, angle));
  EXPECT_EQ(angle, 90);
}

TEST_F(CellGraphics, CheckBoxesToggle) {
  grid.AddCheckBox(1, 1, false, false);
  bool state = true;
  ASSERT_TRUE(grid.GetCheckBoxState(1, 1, state));
  EXPECT_FALSE(state);
  EXPECT_TRUE(grid.ToggleCheckBox(1, 1));
  grid.GetCheckBoxState(1, 1, state);
  EXPECT_TRUE(state);
  EXPECT_TRUE(grid.SetCheckBoxState(1, 1, false));
  grid.GetCheckBoxState(1, 1, state);
  EXPECT_FALSE(state);
  EXPECT_FALSE(grid.ToggleCheckBox(3, 3));  // no check box there
  EXPECT_FALSE(grid.GetCheckBoxState(3, 3, state));

  // A data check box keeps its state in the text.
  grid.AddCheckBox(2, 1, false, true);
  EXPECT_TRUE(grid.HasDataCheckBox(2, 1));
  EXPECT_TRUE(grid.HasStaticEdit(2, 1));
  grid.SetCells(2, 1, "Y");
  grid.ToggleCheckBox(2, 1);
  EXPECT_EQ(grid.Cells(2, 1), "N");
  grid.ToggleCheckBox(2, 1);
  EXPECT_EQ(grid.Cells(2, 1), "Y");
  grid.SetCells(2, 1, "maybe");  // neither value: becomes the true one
  grid.ToggleCheckBox(2, 1);
  EXPECT_EQ(grid.Cells(2, 1), "Y");
  grid.SetCheckBoxState(2, 1, false);
  EXPECT_EQ(grid.Cells(2, 1), "N");

  // The cell's own values, and an edit refused.
  grid.OnGetCheckTrue = [](TObject*, int, int, AnsiString& Value) { Value = "ja"; };
  grid.OnGetCheckFalse = [](TObject*, int, int, AnsiString& Value) { Value = "nein"; };
  grid.ToggleCheckBox(2, 1);
  EXPECT_EQ(grid.Cells(2, 1), "ja");
  grid.OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
  EXPECT_FALSE(grid.ToggleCheck(2, 1, true));
  EXPECT_EQ(grid.Cells(2, 1), "ja");
  EXPECT_TRUE(grid.ToggleCheck(2, 1, false));
  EXPECT_EQ(grid.Cells(2, 1), "nein");
}

TEST_F(CellGraphics, RadioGroupsStepToTheNextItem) {
  TStrings* items = grid.CreateRadio(1, 1, 0, 1);
  items->Add("a");
  items->Add("b");
  items->Add("c");
  int index = -1;
  EXPECT_TRUE(grid.ToggleRadio(1, 1, false));
  grid.GetRadioIdx(1, 1, index);
  EXPECT_EQ(index, 2);
  grid.ToggleRadio(1, 1, false);
  grid.GetRadioIdx(1, 1, index);
  EXPECT_EQ(index, 0);
  EXPECT_FALSE(grid.ToggleRadio(2, 2, false));
}

TEST_F(CellGraphics, PictureSizesByStretchMode) {
  TBitmap image;
  image.SetSize(200, 100);
  TPicture picture;
  picture.SetGraphic(&image);
  TBitmap small;
  small.SetSize(20, 10);
  TPicture smallPicture;
  smallPicture.SetGraphic(&small);
  struct Case {
    TStretchMode Mode;
    TSize Large, Small;  // 200 x 100 and 20 x 10 into 50 x 50
  };
  const Case cases[] = {{noStretch, {200, 100}, {20, 10}},
                        {Stretch, {50, 50}, {50, 50}},
                        {StretchWithAspectRatio, {50, 25}, {50, 25}},
                        {Shrink, {50, 50}, {20, 10}},
                        {ShrinkWithAspectRatio, {50, 25}, {20, 10}}};
  TCellGraphic graphic;
  for (const Case& c : cases) {
    graphic.SetPicture(&picture, false, c.Mode, 0, haLeft, vaTop);
    EXPECT_EQ(graphic.GetPictureSize(50, 50), c.Large) << int(c.Mode);
    graphic.SetPicture(&smallPicture, false, c.Mode, 0, haLeft, vaTop);
    EXPECT_EQ(graphic.GetPictureSize(50, 50), c.Small) << int(c.Mode);
  }
  TPicture empty;
  graphic.SetPicture(&empty, false, StretchWithAspectRatio, 0, haLeft, vaTop);
  EXPECT_EQ(graphic.GetPictureSize(50, 50), TSize(0, 0));  // a side below 1 does not decide
  graphic.SetAngle(0);
  EXPECT_EQ(graphic.GetPictureSize(50, 50), TSize(0, 0));
}

TEST_F(CellGraphics, AssignCopiesTheFieldsNotTheObjects) {
  TBitmap glyph;
  TCellGraphic source;
  source.SetBitButton(40, 20, "Open", &glyph, haRight, vaBottom);
  source.CellErrFrom = 2;
  source.CellErrLen = 3;
  source.CellValue = 65541;
  TCellGraphic copy;
  copy.Assign(source);
  EXPECT_EQ(copy.CellType, ctBitButton);
  EXPECT_EQ(copy.CellBitmap, nullptr);
  EXPECT_EQ(copy.ButtonWidth(), 40);
  EXPECT_EQ(copy.ButtonHeight(), 20);
  EXPECT_EQ(copy.CellHAlign, haRight);
  EXPECT_EQ(copy.CellVAlign, vaBottom);
  EXPECT_EQ(copy.CellText, "Open");
  EXPECT_EQ(copy.CellErrLen, 3);
  EXPECT_EQ(copy.CellValue, 65541);
}

TEST_F(CellGraphics, MarkersStandOnTheirOwnOrOnAGraphic) {
  int from = -1, len = -1;
  EXPECT_FALSE(grid.GetMarker(1, 1, from, len));
  EXPECT_EQ(len, 0);
  grid.AddMarker(1, 1, 2, 4);
  ASSERT_TRUE(grid.GetMarker(1, 1, from, len));
  EXPECT_EQ(from, 2);
  EXPECT_EQ(len, 4);
  grid.RemoveMarker(1, 1);
  EXPECT_EQ(grid.GetCellGraphic(1, 1), nullptr);

  grid.AddComment(2, 2, "c");
  grid.AddMarker(2, 2, 1, 1);
  EXPECT_EQ(grid.GetCellType(2, 2), ctComment);
  grid.RemoveMarker(2, 2);
  grid.GetMarker(2, 2, from, len);
  EXPECT_EQ(len, 0);
  EXPECT_EQ(grid.GetCellType(2, 2), ctComment);
}

TEST_F(CellGraphics, ImageCellsNeedTheGridsImageList) {
  grid.AddImageIdx(1, 1, 0, haLeft, vaTop);
  EXPECT_EQ(grid.GetCellGraphic(1, 1), nullptr);
  EXPECT_EQ(grid.AddMultiImage(1, 1, 0, haLeft, vaTop), nullptr);
  TImageList images(8, 8);
  grid.SetImages(&images);
  grid.AddImageIdx(1, 1, 3, haLeft, vaTop);
  int index = -1;
  EXPECT_TRUE(grid.GetImageIdx(1, 1, index));
  EXPECT_EQ(index, 3);
  EXPECT_EQ(grid.GetCellImageIdx(1, 1), 3);
  EXPECT_EQ(grid.GetCellImageIdx(2, 1), -1);
  TIntList* list = grid.AddMultiImage(2, 2, 0, haLeft, vaTop);
  ASSERT_NE(list, nullptr);
  list->Add(1);
  list->Add(2);
  EXPECT_EQ(grid.GetCellImages(2, 2), list);
  EXPECT_EQ(grid.GetCellGraphicSize(2, 2), TSize(16, 8));  // two images side by side
  grid.SetImages(nullptr);
}

// A grid that notes the display cells it repaints.
class RepaintGrid : public TExtStringGrid {
 public:
  RepaintGrid() : TExtStringGrid(nullptr) {}
  void RepaintCell(int ACol, int ARow) override {
    repainted.push_back({ACol, ARow});
    TExtStringGrid::RepaintCell(ACol, ARow);
  }
  std::vector<TPoint> repainted;
};

// The list calls back long after AddMultiImage returned; the cell repaints where it shows,
// left of its stored column when a column before it is hidden.
TEST(CellImageList, AChangeRepaintsTheCellWhereItShows) {
  RepaintGrid grid;
  grid.SetColCount(4);
  grid.SetRowCount(4);
  TImageList images(8, 8);
  grid.SetImages(&images);
  grid.HideColumns(0, 0);
  TIntList* list = grid.AddMultiImage(2, 2, 0, haLeft, vaTop);
  ASSERT_NE(list, nullptr);
  grid.repainted.clear();
  list->Add(1);
  EXPECT_EQ(grid.repainted, std::vector<TPoint>{TPoint(1, 2)});
  grid.SetImages(nullptr);
}

TEST_F(CellGraphics, GraphicSizesForAutomaticSizing) {
  TBitmap bitmap;
  bitmap.SetSize(16, 12);
  grid.AddBitmap(1, 1, &bitmap, false, haLeft, vaTop);
  EXPECT_EQ(grid.GetCellGraphicSize(1, 1), TSize(16, 12));  // empty cell: its width counts
  grid.SetCells(1, 1, "text");
  EXPECT_EQ(grid.GetCellGraphicSize(1, 1), TSize(0, 12));  // over the text: only its height
  EXPECT_EQ(grid.GetPrintGraphicSize(1, 1, 100, 100, 2.0), TSize(16, 12));  // printed: always
  grid.AddBitmap(1, 1, &bitmap, false, haBeforeText, vaTop);
  EXPECT_EQ(grid.GetCellGraphicSize(1, 1), TSize(16, 12));

  grid.AddCheckBox(2, 1, false, false);
  EXPECT_EQ(grid.GetCellGraphicSize(2, 1), TSize(15, 15));
  grid.AddButton(2, 2, 40, 18, "Go", haFull, vaTop);
  EXPECT_EQ(grid.GetCellGraphicSize(2, 2), TSize(grid.ColWidths(2), 18));

  TBitmap image;
  image.SetSize(200, 100);
  TPicture picture;
  picture.SetGraphic(&image);
  grid.AddPicture(3, 3, &picture, false, StretchWithAspectRatio, 0, haLeft, vaTop);
  EXPECT_EQ(grid.GetPrintGraphicSize(3, 3, 50, 50, 2.0), TSize(100, 50));

  // The radio group: a line per item, the widest caption and its button.
  TStrings* items = grid.CreateRadio(3, 1, 0, 0);
  items->Add("one");
  items->Add("three");
  TCanvas* canvas = grid.GetCanvas();
  const TSize radio = grid.GetCellGraphicSize(3, 1);
  EXPECT_EQ(radio.cy, 2 * canvas->TextHeight("gh"));
  EXPECT_EQ(radio.cx, canvas->TextWidth("three") + 12);
}

TEST_F(CellGraphics, AutomaticSizingCountsTheGraphic) {
  grid.SetCells(1, 1, "abc");
  grid.AutoSizeCol(1);
  const int plain = grid.ColWidths(1);
  TBitmap bitmap;
  bitmap.SetSize(30, 12);
  grid.AddBitmap(1, 1, &bitmap, false, haBeforeText, vaCenter);
  grid.AutoSizeCol(1);
  EXPECT_EQ(grid.ColWidths(1), plain + 30);
}

TEST_F(CellGraphics, TheImageSortComparesImageIndexes) {
  TImageList images(8, 8);
  grid.SetImages(&images);
  grid.SetRowCount(5);
  const int indexes[] = {3, 1, 4, 2};
  for (int r = 1; r <= 4; ++r) {
    grid.SetCells(0, r, "row" + IntToStr(indexes[r - 1]));
    grid.AddImageIdx(1, r, indexes[r - 1], haLeft, vaTop);
  }
  grid.OnGetFormat = [](TObject*, int, TSortStyle& Style, AnsiString&, AnsiString&) {
    Style = ssImages;
  };
  grid.SortSettings.SetColumn(1);
  grid.QSort();
  for (int r = 1; r <= 4; ++r) {
    EXPECT_EQ(grid.GetCellImageIdx(1, r), r) << r;
    EXPECT_EQ(grid.Cells(0, r), "row" + IntToStr(r));  // the rows moved whole
  }
  grid.SetImages(nullptr);
}

}  // namespace

#include "components/grid/core/GridResources.h"

namespace {

TEST(GridArtwork, TheNamedControlBitmapsHaveTheirSizes) {
  TBitmap bitmap;
  for (int i = 1; i <= 8; ++i) {
    const AnsiString n(1, static_cast<char>('0' + i));
    ASSERT_TRUE(LoadBitmapResource(bitmap, "ESGCHK0" + n)) << i;
    EXPECT_EQ(bitmap.GetWidth(), 15);
    EXPECT_EQ(bitmap.GetHeight(), 15);
    ASSERT_TRUE(LoadBitmapResource(bitmap, "ESGRAD0" + n)) << i;
    EXPECT_EQ(bitmap.GetWidth(), 16);
  }
  for (const char* name : {"ESGLEAFOPEN", "ESGLEAFCLOSE"}) {
    ASSERT_TRUE(LoadBitmapResource(bitmap, name));
    EXPECT_EQ(bitmap.GetHeight(), 16);
  }
  EXPECT_FALSE(LoadBitmapResource(bitmap, "ESGCHK09"));
  EXPECT_FALSE(LoadBitmapResource(bitmap, "ESGCHK0"));
  EXPECT_FALSE(LoadBitmapResource(bitmap, "ESGRAD00"));
  // Checked and unchecked differ; so do enabled and disabled.
  TBitmap other;
  LoadBitmapResource(bitmap, "ESGCHK01");
  LoadBitmapResource(other, "ESGCHK02");
  EXPECT_NE(bitmap.Canvas->GetPixels(7, 8), other.Canvas->GetPixels(7, 8));
  LoadBitmapResource(other, "ESGCHK03");
  EXPECT_NE(bitmap.Canvas->GetPixels(7, 8), other.Canvas->GetPixels(7, 8));
}

}  // namespace

#include "components/grid/controls/ExtXPVS.h"

namespace {

TEST(ThemeBinding, DrawsTheClassesItKnows) {
  ASSERT_TRUE(ThemeAvailable());  // the tests run a GUI application
  TBitmap bitmap;
  bitmap.SetSize(20, 20);
  bitmap.Canvas->Brush->SetColor(clFuchsia);
  bitmap.Canvas->FillRect({0, 0, 20, 20});
  EXPECT_FALSE(DrawThemed(nullptr, "no such class", bitmap.Canvas, BP_PUSHBUTTON, PBS_NORMAL,
                          {0, 0, 20, 20}));
  EXPECT_EQ(bitmap.Canvas->GetPixels(10, 10), clFuchsia);
  EXPECT_TRUE(
      DrawThemed(nullptr, "button", bitmap.Canvas, BP_PUSHBUTTON, PBS_NORMAL, {0, 0, 20, 20}));
  EXPECT_NE(bitmap.Canvas->GetPixels(10, 10), clFuchsia);
}

}  // namespace
