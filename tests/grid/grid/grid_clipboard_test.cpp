// The binary grid stream and the clipboard: whole grids and rectangles saved and loaded, copy,
// cut and paste between grids in each clipboard format, and the smart paste's series.
#include <gtest/gtest.h>

#include <tuple>

#include "../locale_scope.h"
#include "../temp_folder.h"
#include "components/grid/core/GridIO.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/html/FilePicture.h"
#include "grid_text.h"
#include "picture_samples.h"
#include "platform/controls/clipboard.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/imagelist.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/readerimage.h"

namespace {

// A grid without fixed cells that may be edited, and that records what a paste tells it.
class EditGrid : public TExtStringGrid {
 public:
  explicit EditGrid(const std::vector<std::vector<AnsiString>>& rows) : TExtStringGrid(nullptr) {
    SetFixedRows(0);
    SetFixedCols(0);
    SetRowTexts(*this, rows);
    SetOptions(GetOptions() + goEditing);
  }
  void PasteNotify(const TPoint& Origin, const TGridRect& R, TClipOperation Op) override {
    origin = Origin;
    pasted = R;
    operation = Op;
  }
  void RepaintCell(int ACol, int ARow) override {
    repainted.push_back({ACol, ARow});
    TExtStringGrid::RepaintCell(ACol, ARow);
  }
  TPoint origin{-1, -1};
  TGridRect pasted{-1, -1, -1, -1};
  TClipOperation operation = coCopy;
  std::vector<TPoint> repainted;
};

std::vector<std::vector<AnsiString>> Blank(int cols, int rows) {
  return std::vector<std::vector<AnsiString>>(
      static_cast<std::size_t>(rows), std::vector<AnsiString>(static_cast<std::size_t>(cols)));
}

int Occurrences(const std::vector<uint8_t>& bytes, const std::string& part) {
  const std::string text(bytes.begin(), bytes.end());
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

TEST(BinaryGridStream, WholeGridLoadsBackWithCountsSizesAndProperties) {
  EditGrid source({{"a", "b", ""}, {"", "x", "y"}});
  source.SetColWidths(1, 77);
  source.SetRowHeights(1, 33);
  source.SetColors(2, 1, clRed);
  source.MergeCells(0, 0, 2, 1);
  TempFolder folder;
  source.SaveToBinFile(folder / "grid.bin");

  EditGrid target(Blank(5, 6));
  target.SetCells(4, 5, "gone");
  target.LoadFromBinFile(folder / "grid.bin");
  EXPECT_EQ(target.GetColCount(), 3);
  EXPECT_EQ(target.GetRowCount(), 2);
  EXPECT_EQ(target.ColWidths(1), 77);
  EXPECT_EQ(target.RowHeights(1), 33);
  EXPECT_EQ(RowText(target, 0), "a|b|");
  EXPECT_EQ(RowText(target, 1), "|x|y");
  EXPECT_EQ(target.GetColors(2, 1), clRed);
  EXPECT_EQ(target.CellSpan(0, 0), TPoint(1, 0));
  EXPECT_EQ(target.GetCellEx(1, 0), "a");
  target.SetColCount(5);
  target.SetRowCount(6);
  EXPECT_EQ(target.Cells(4, 5), "");  // a whole grid's stream clears the grid first
}

TEST(BinaryGridStream, RectangleKeepsItsShapeWhereverItGoesAndEvenWhenItsCornerIsEmpty) {
  EditGrid source(Blank(4, 4));
  source.SetCells(2, 1, "p");
  source.SetCells(3, 3, "q");
  TMemoryStream stream;
  source.SaveRectToBinStream(TRect(1, 1, 3, 3), &stream);
  // The empty corner's record, and one for each cell with text; none for the other cells.
  EXPECT_EQ(Occurrences(stream.Bytes(), "TGridCellIO"), 3);

  EditGrid target(Blank(10, 10));
  stream.SetPosition(0);
  target.LoadAtPointFromBinStream(TPoint(5, 5), &stream);
  EXPECT_EQ(target.Cells(6, 5), "p");
  EXPECT_EQ(target.Cells(7, 7), "q");
  EXPECT_EQ(target.GetColCount(), 10);  // a rectangle does not resize the grid

  // Cells that land outside the grid are left out.
  stream.SetPosition(0);
  target.LoadAtPointFromBinStream(TPoint(8, 8), &stream);
  EXPECT_EQ(target.Cells(9, 8), "p");
}

// A stream of a rectangle with the cells given as column, row and text, in that order.
void WriteCells(TStream& Stream, int Cols, int Rows,
                const std::vector<std::tuple<int, int, AnsiString>>& Cells) {
  TGridPropIO prop(nullptr);
  prop.ColCount = Cols;
  prop.RowCount = Rows;
  prop.Write(Stream);
  TGridCellIO cell(nullptr);
  for (const auto& [col, row, text] : Cells) {
    cell.Col = col;
    cell.Row = row;
    cell.Cell = text;
    cell.Write(Stream);
  }
  Stream.SetPosition(0);
}

// The grid takes the cells row by row; a cell the stream holds twice keeps its last text.
TEST(BinaryGridStream, ACellStoredTwiceKeepsItsLastTextInAnyOrderOfRows) {
  TMemoryStream stream;
  WriteCells(stream, 2, 3,
             {{0, 0, "x"}, {0, 2, "a"}, {1, 0, "b"}, {0, 2, "c"}, {1, 1, "d"}, {1, 0, "e"}});
  EditGrid target(Blank(3, 4));
  target.LoadAtPointFromBinStream(TPoint(1, 1), &stream);
  EXPECT_EQ(ColumnText(target, 1) + " " + ColumnText(target, 2), "|x||c |e|d|");

  TMemoryStream far;  // rows much farther apart than there are cells
  WriteCells(far, 2, 50001, {{0, 0, "x"}, {1, 50000, "y"}, {1, 50000, "z"}});
  EditGrid wide(Blank(2, 50001));
  wide.LoadAtPointFromBinStream(TPoint(0, 0), &far);
  EXPECT_EQ(wide.Cells(0, 0), "x");
  EXPECT_EQ(wide.Cells(1, 50000), "z");
}

TEST(BinaryGridStream, CoordinatesBeyondSixteenBitsSurvive) {
  EditGrid source(Blank(2, 40000));
  source.SetCells(1, 39999, "far");
  TMemoryStream stream;
  source.SaveRectToBinStream(TRect(0, 32766, 1, 39999), &stream);
  EditGrid target(Blank(2, 40000));
  stream.SetPosition(0);
  target.LoadAtPointFromBinStream(TPoint(0, 32766), &stream);
  EXPECT_EQ(target.Cells(1, 39999), "far");
}

TEST(BinaryGridStream, RadioGroupsAndOtherGraphicsTravelWithTheirCells) {
  EditGrid source(Blank(3, 3));
  TStrings* captions = source.CreateRadio(0, 0, 0, 1);
  captions->Add("eins");
  captions->Add("zwei");
  TStringList mine;
  mine.Add("fremd");
  source.AddRadio(1, 0, 0, 0, &mine);  // not the cell's own list: not stored
  source.AddNode(1, 2);
  TMemoryStream stream;
  source.SaveToBinStream(&stream);

  EditGrid target(Blank(1, 1));
  stream.SetPosition(0);
  target.LoadFromBinStream(&stream);
  ASSERT_EQ(target.GetCellType(0, 0), ctRadio);
  TStrings* loaded = target.GetRadioStrings(0, 0);
  ASSERT_NE(loaded, captions);
  EXPECT_EQ(loaded->GetText(), "eins\r\nzwei\r\n");
  int index = -1;
  EXPECT_TRUE(target.GetRadioIdx(0, 0, index));
  EXPECT_EQ(index, 1);
  EXPECT_EQ(target.GetCellType(1, 0), ctEmpty);
  EXPECT_EQ(target.GetCellType(0, 1), ctNode);
  EXPECT_EQ(target.CellSpan(0, 1), source.CellSpan(0, 1));
}

// A grid with a graphic of each kind that carries an object, the cells owning them, and a
// bitmap the cell does not own.
class GraphicsGrid : public EditGrid {
 public:
  explicit GraphicsGrid(const std::string& PngFile) : EditGrid(Blank(6, 2)) {
    TBitmap* bitmap = CreateBitmap(0, 0, true, haCenter, vaBottom);
    bitmap->SetSize(3, 2);
    bitmap->Canvas->SetPixels(1, 1, clRed);
    CreateBitButton(1, 0, 40, 20, "OK", haFull, vaCenter)->SetSize(2, 2);
    LoadBytes(*CreateIcon(2, 0, haAfterText, vaTop), RedIcon());
    TMemoryStream png;
    png.Write(RedPng().data(), static_cast<int64_t>(RedPng().size()));
    png.SetPosition(0);
    CreatePicture(3, 0, true, StretchWithAspectRatio, 7, haLeft, vaFull)->LoadFromStream(png);
    WriteBytes(PngFile, PngText());
    CreateFilePicture(4, 0, false, Shrink, 3, haRight, vaTop)->SetFileName(PngFile);
    SetCells(5, 0, "40");
    AddProgress(5, 0, clRed, clBlue);
    SetCells(0, 1, "mine");
    AddBitmap(0, 1, &mine, false, haLeft, vaTop);
    CreateBitmap(1, 1, false, haLeft, vaTop);  // left empty
  }
  TBitmap mine;
};

TEST(BinaryGridStream, OwnedBitmapsIconsAndPicturesTravelWithTheirCells) {
  TempFolder folder;
  GraphicsGrid source(folder / "red.png");
  TMemoryStream stream;
  source.SaveToBinStream(&stream);
  EXPECT_EQ(Occurrences(stream.Bytes(), "TGridBMPIO"), 3);  // not the bitmap that is not owned

  EditGrid target(Blank(1, 1));
  stream.SetPosition(0);
  target.LoadFromBinStream(&stream);
  TBitmap* bitmap = target.GetBitmap(0, 0);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_NE(bitmap, source.GetBitmap(0, 0));
  EXPECT_EQ(bitmap->GetWidth(), 3);
  EXPECT_EQ(bitmap->Canvas->GetPixels(1, 1), clRed);
  const TCellGraphic* graphic = target.GetCellGraphic(0, 0);
  EXPECT_TRUE(graphic->CellCreated && graphic->CellTransparent);
  EXPECT_EQ(graphic->CellHAlign, haCenter);
  EXPECT_EQ(graphic->CellVAlign, vaBottom);

  graphic = target.GetCellGraphic(1, 0);
  ASSERT_EQ(target.GetCellType(1, 0), ctBitButton);
  EXPECT_EQ(graphic->GetBitmap()->GetWidth(), 2);
  EXPECT_EQ(graphic->CellText, "OK");
  EXPECT_EQ(target.ButtonRect(1, 0).Height(), 20);

  ASSERT_EQ(target.GetCellType(2, 0), ctIcon);
  EXPECT_EQ(target.GetCellGraphic(2, 0)->GetIcon()->GetHeight(), 2);

  TPicture* picture = target.GetPicture(3, 0);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->GetWidth(), 4);
  EXPECT_EQ(target.GetCellGraphic(3, 0)->GetStretchMode(), StretchWithAspectRatio);
  EXPECT_EQ(target.GetCellGraphic(3, 0)->CellIndex, 7);

  TFilePicture* file = target.GetFilePicture(4, 0);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->GetFilename(), folder / "red.png");
  EXPECT_EQ(file->GetHeight(), 3);

  graphic = target.GetCellGraphic(5, 0);
  ASSERT_EQ(target.GetCellType(5, 0), ctProgress);
  EXPECT_EQ(graphic->CellColor, clRed);
  EXPECT_EQ(graphic->CellColor2, clBlue);

  EXPECT_EQ(target.GetCellType(0, 1), ctEmpty);
  EXPECT_EQ(target.Cells(0, 1), "mine");
  ASSERT_NE(target.GetBitmap(1, 1), nullptr);
  EXPECT_TRUE(target.GetBitmap(1, 1)->GetEmpty());

  // Saved again, the loaded grid gives the same stream: nothing was lost or changed.
  TMemoryStream again;
  target.SaveToBinStream(&again);
  EXPECT_EQ(again.Bytes(), stream.Bytes());
}

TEST(BinaryGridStream, GraphicsPastedAtAPointAreTheCellsOwn) {
  TempFolder folder;
  GraphicsGrid source(folder / "red.png");
  TMemoryStream stream;
  source.SaveRectToBinStream(TRect(2, 0, 3, 0), &stream);
  EditGrid target(Blank(4, 4));
  stream.SetPosition(0);
  target.LoadAtPointFromBinStream(TPoint(1, 2), &stream);
  EXPECT_EQ(target.GetCellType(1, 2), ctIcon);
  EXPECT_EQ(target.GetPicture(2, 2)->GetHeight(), 3);
  // The objects are freed with the cells (the sanitizer's leak check sees any left over).
  EXPECT_TRUE(target.FreeCellGraphic(1, 2));
}

TEST(BinaryGridStream, ImageIndexListsKnowTheCellTheyLandIn) {
  TImageList images(16, 16);
  EditGrid source(Blank(2, 2));
  source.SetImages(&images);
  TIntList* list = source.AddMultiImage(1, 1, 0, haLeft, vaTop);
  list->Add(3);
  list->Add(1);
  TMemoryStream stream;
  source.SaveRectToBinStream(TRect(1, 1, 1, 1), &stream);
  source.SetImages(nullptr);
  EditGrid target(Blank(4, 4));
  stream.SetPosition(0);
  target.LoadAtPointFromBinStream(TPoint(2, 3), &stream);
  TIntList* loaded = target.GetCellImages(2, 3);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetStrValue(), "3,1");
  EXPECT_EQ(loaded->GetCol(), 2);
  EXPECT_EQ(loaded->GetRow(), 3);
  EXPECT_TRUE(target.GetCellGraphic(2, 3)->CellBoolean);  // horizontal
  // A change of the loaded list paints its cell anew, as one made by AddMultiImage does.
  target.repainted.clear();
  loaded->Add(5);
  EXPECT_EQ(target.repainted, std::vector<TPoint>{TPoint(2, 3)});
}

TEST(BinaryGridStream, GraphicAnnouncingAnObjectItDoesNotOwnIsRefused) {
  EditGrid source(Blank(1, 1));
  source.CreateBitmap(0, 0, false, haLeft, vaTop)->SetSize(1, 1);
  TMemoryStream saved;
  source.SaveToBinStream(&saved);
  // The graphic's CellCreated, turned false: such a graphic is never written.
  std::vector<uint8_t> bytes = saved.Bytes();
  const std::string name = "CellGraphic.CellCreated";
  const auto at = std::search(bytes.begin(), bytes.end(), name.begin(), name.end());
  ASSERT_NE(at, bytes.end());
  at[static_cast<std::ptrdiff_t>(name.size())] = 3;  // the value type of false
  TMemoryStream damaged;
  damaged.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
  damaged.SetPosition(0);
  EditGrid target({{"keep"}});
  EXPECT_THROW(target.LoadFromBinStream(&damaged), EStreamError);
  EXPECT_EQ(target.Cells(0, 0), "keep");
}

TEST(BinaryGridStream, CutStreamIsRefusedBeforeTheGridChanges) {
  EditGrid source({{"a", "b"}, {"c", "d"}});
  TMemoryStream whole;
  source.SaveToBinStream(&whole);
  EditGrid target({{"keep"}});
  for (int64_t size : {int64_t{3}, whole.GetSize() - 5}) {
    TMemoryStream cut;
    cut.WriteBuffer(whole.Memory(), size);
    cut.SetPosition(0);
    EXPECT_THROW(target.LoadFromBinStream(&cut), EStreamError);
    EXPECT_EQ(RowText(target, 0), "keep");
    EXPECT_EQ(target.GetRowCount(), 1);
  }
}

// Whether a load refuses the stream; a refusal leaves the grid as it was.
bool LoadRefused(TStream& Stream) {
  EditGrid target({{"keep"}});
  try {
    target.LoadFromBinStream(&Stream);
  } catch (const EStreamError&) {
    EXPECT_EQ(RowText(target, 0), "keep");
    EXPECT_EQ(target.GetRowCount(), 1);
    EXPECT_FALSE(target.HasCellProperties(1, 0));
    return true;
  }
  return false;
}

// Cut anywhere but between its records, a whole grid's stream with a cell of properties is
// refused, whether it is read in memory or from a file; a file stream stands where the
// reading stopped, as a memory stream does, and after the stream when it loads.
TEST(BinaryGridStream, WholeGridCutAnywhereIsRefusedFromMemoryAndFromFiles) {
  EditGrid source({{"a", "bb", ""}, {"ccc", "", "d"}});
  source.SetColors(1, 0, clRed);
  TMemoryStream whole;
  source.SaveToBinStream(&whole);
  TempFolder folder;
  int loaded = 0;
  for (int64_t size = 0; size < whole.GetSize(); ++size) {
    TMemoryStream cut;
    cut.WriteBuffer(whole.Memory(), size);
    cut.SaveToFile(folder / "cut.bin");
    cut.SetPosition(0);
    TFileStream file(folder / "cut.bin", fmOpenRead);
    const bool refused = LoadRefused(cut);
    EXPECT_EQ(LoadRefused(file), refused) << size;
    EXPECT_EQ(file.GetPosition(), cut.GetPosition()) << size;
    loaded += !refused;
  }
  EXPECT_EQ(loaded, 4);  // after the grid's record, and after each cell's records but the last's

  whole.SaveToFile(folder / "whole.bin");
  TFileStream file(folder / "whole.bin", fmOpenRead);
  EditGrid target({{"keep"}});
  target.LoadFromBinStream(&file);
  EXPECT_EQ(file.GetPosition(), whole.GetSize());
  EXPECT_EQ(RowText(target, 0), "a|bb|");
  EXPECT_EQ(RowText(target, 1), "ccc||d");
  EXPECT_EQ(target.GetColors(1, 0), clRed);
}

class GridClipboard : public testing::Test {
 protected:
  EditGrid source{{{"a", "b", "c"}, {"d", "e", "f"}}};
  EditGrid target{Blank(4, 4)};
};

TEST_F(GridClipboard, TextCopyHasATabAfterEachCellAndPastesBack) {
  source.CopyToClipBoard();
  EXPECT_EQ(Clipboard()->GetAsText(), "a\tb\tc\t\r\nd\te\tf\t");
  EXPECT_EQ(target.PasteSize(Clipboard()->GetAsText().c_str()), TPoint(3, 2));
  EXPECT_EQ(target.PasteFunc(1, 1), 6);
  EXPECT_EQ(RowText(target, 1), "|a|b|c");
  EXPECT_EQ(RowText(target, 2), "|d|e|f");
  EXPECT_EQ(target.GetColCount(), 4);  // nothing beyond the last copied column
  EXPECT_EQ(target.origin, TPoint(0, 0));
  EXPECT_EQ(target.pasted.Right, 3);
  EXPECT_EQ(target.pasted.Bottom, 2);
}

TEST_F(GridClipboard, CellsOfSeveralLinesTravelQuotedWhenAsked) {
  source.MultiLineClipboard = true;
  target.MultiLineClipboard = true;
  source.SetCells(0, 0, "x\r\ny");
  source.CopyToClipBoard();
  EXPECT_EQ(Clipboard()->GetAsText().substr(0, 7), "\"x\ny\"\tb");
  target.PasteFunc(0, 0);
  EXPECT_EQ(target.Cells(0, 0), "x\r\ny");
  EXPECT_EQ(target.Cells(1, 0), "b");
}

TEST_F(GridClipboard, GridFormatCarriesPropertiesAndPastesARectangle) {
  source.Navigation.AllowFmtClipboard = true;
  target.Navigation.AllowFmtClipboard = true;
  source.SetColors(1, 0, clLime);
  source.SetCells(0, 0, "");  // an empty corner still places the rectangle
  source.CopyToClipBoard();
  target.SetCells(3, 3, "stays");
  EXPECT_EQ(target.PasteFunc(1, 1), 0);
  EXPECT_EQ(RowText(target, 1), "||b|c");
  EXPECT_EQ(RowText(target, 2), "|d|e|f");
  EXPECT_EQ(target.GetColors(2, 1), clLime);
  EXPECT_EQ(target.Cells(3, 3), "stays");
  EXPECT_EQ(target.pasted.Left, 1);
  EXPECT_EQ(target.pasted.Right, 3);
  EXPECT_EQ(target.pasted.Bottom, 2);

  // A whole grid copied is pasted as a rectangle, not loaded over the grid.
  EditGrid small({{"z"}});
  small.Navigation.AllowFmtClipboard = true;
  small.CopyToClipBoard();
  target.PasteFunc(3, 0);
  EXPECT_EQ(target.Cells(3, 0), "z");
  EXPECT_EQ(RowText(target, 1), "||b|c");
}

TEST_F(GridClipboard, RichTextGoesIntoOneCell) {
  source.Navigation.AllowRTFClipboard = true;
  target.Navigation.AllowRTFClipboard = true;
  source.SetCells(0, 0, "{\\rtf1 Fett}");
  source.CopyToClipBoard();
  EXPECT_EQ(Clipboard()->GetAsText().substr(0, 5), "Fett\t");  // the text format has it plain
  target.PasteFunc(2, 2);
  EXPECT_EQ(target.Cells(2, 2), "{\\rtf1 Fett}");
}

TEST_F(GridClipboard, PastesWriteOnlyWhereEditingIsAllowed) {
  for (bool grid : {false, true}) {
    source.Navigation.AllowFmtClipboard = grid;
    target.Navigation.AllowFmtClipboard = grid;
    source.CopyToClipBoard();
    EditGrid locked(Blank(4, 4));
    locked.Navigation.AllowFmtClipboard = grid;
    locked.OnCanEditCell = [](TObject*, int ARow, int ACol, bool& Allow) {
      Allow = !(ACol == 1 && ARow == 0);
    };
    locked.PasteFunc(0, 0);
    EXPECT_EQ(RowText(locked, 0), "a||c|") << grid;
    locked.SetOptions(locked.GetOptions() - goEditing);
    locked.SetCells(0, 1, "");
    locked.PasteFunc(0, 0);
    EXPECT_EQ(locked.Cells(0, 1), "") << grid;
  }
}

TEST_F(GridClipboard, CutEmptiesTheEditableCellsItCopied) {
  source.OnCanEditCell = [](TObject*, int ARow, int ACol, bool& Allow) {
    Allow = !(ACol == 2 && ARow == 1);
  };
  source.CutToClipboard();
  EXPECT_EQ(Clipboard()->GetAsText(), "a\tb\tc\t\r\nd\te\tf\t");
  EXPECT_EQ(RowText(source, 0), "||");
  EXPECT_EQ(RowText(source, 1), "||f");
  source.PasteFunc(0, 0);
  EXPECT_EQ(source.operation, TExtStringGrid::coCut);
  EXPECT_EQ(RowText(source, 1), "d|e|f");
}

TEST_F(GridClipboard, RowSelectCutClearsOnlyWhatMayBeEdited) {
  EditGrid grid({{"h", "H"}, {"a", "b"}, {"c", "d"}});
  grid.MouseActions.DisjunctRowSelect = true;
  grid.SetRowSelect(1, true);
  grid.SetColors(0, 1, clRed);
  grid.OnCanEditCell = [](TObject*, int ARow, int ACol, bool& Allow) {
    Allow = !(ACol == 1 && ARow == 1);
  };
  grid.CutSelectionToClipboard();
  EXPECT_EQ(Clipboard()->GetAsText(), "a\tb\t");
  EXPECT_EQ(RowText(grid, 1), "|b");
  EXPECT_EQ(grid.GetColors(0, 1), clNone);
  EXPECT_EQ(RowText(grid, 2), "c|d");
}

// Column 0 hidden: shown column 0 is "b", shown column 1 is "c".
TEST_F(GridClipboard, ASelectionRightOfAHiddenColumnCopiesAndEmptiesItsShownCells) {
  source.HideColumn(0);
  source.SetSelection({1, 0, 1, 1});
  source.CutSelectionToClipboard();
  EXPECT_EQ(Clipboard()->GetAsText(), "c\t\r\nf\t");
  source.SetSelection({0, 1, 0, 1});
  source.ClearSelection();
  source.UnHideColumnsAll();
  EXPECT_EQ(RowText(source, 0), "a|b|");
  EXPECT_EQ(RowText(source, 1), "d||");
}

TEST_F(GridClipboard, GridAndRichFormatsStartAtTheStoredColumnOfAShownOne) {
  for (EditGrid* grid : {&source, &target}) {
    grid->Navigation.AllowFmtClipboard = true;
    grid->Navigation.AllowRTFClipboard = true;
    grid->HideColumn(0);
  }
  source.SetSelection({0, 0, 1, 1});
  source.CopySelectionToClipboard();
  target.PasteFunc(0, 1);
  target.UnHideColumnsAll();
  EXPECT_EQ(RowText(target, 1), "|b|c|");
  EXPECT_EQ(RowText(target, 2), "|e|f|");
  EXPECT_EQ(target.pasted, (TGridRect{0, 1, 1, 2}));

  source.Navigation.AllowFmtClipboard = false;
  target.Navigation.AllowFmtClipboard = false;
  source.SetCells(1, 0, "{\\rtf1 Fett}");
  source.SetSelection({0, 0, 0, 0});
  source.CopySelectionToClipboard();
  target.HideColumn(0);
  target.PasteFunc(0, 3);
  EXPECT_EQ(target.Cells(1, 3), "{\\rtf1 Fett}");
  EXPECT_EQ(target.Cells(0, 3), "");
}

// A cut of the whole grid empties what it copied: the shown cells, not the hidden column's.
TEST_F(GridClipboard, ACutKeepsTheHiddenColumnItDidNotCopy) {
  source.HideColumn(1);
  source.CutToClipboard();
  EXPECT_EQ(Clipboard()->GetAsText(), "a\tc\t\r\nd\tf\t");
  source.UnHideColumnsAll();
  EXPECT_EQ(RowText(source, 0), "|b|");
  EXPECT_EQ(RowText(source, 1), "|e|");
}

TEST_F(GridClipboard, SmartPasteFillsFromOneValueAndContinuesSeries) {
  LocaleScope german(kGerman);
  EditGrid grid(Blank(2, 6));
  grid.Navigation.AllowSmartClipboard = true;
  auto pasteInto = [&](const AnsiString& text, TGridRect selection) {
    Clipboard()->SetAsText(text);
    grid.SetSelection(selection);
    grid.PasteSelectionFromClipboard();
  };
  pasteInto("1\r\n2", {0, 0, 0, 4});
  EXPECT_EQ(ColumnText(grid, 0), "1|2|3|4|5|");
  pasteInto("7", {0, 0, 1, 1});
  EXPECT_EQ(RowText(grid, 0) + "/" + RowText(grid, 1), "7|7/7|7");
  pasteInto("10\r\n8", {1, 0, 1, 3});
  EXPECT_EQ(ColumnText(grid, 1), "10|8|6|4||");
  pasteInto("03.01.2024\r\n01.01.2024", {0, 0, 0, 2});
  EXPECT_EQ(ColumnText(grid, 0), "03.01.2024|01.01.2024|30.12.2023|4|5|");
  pasteInto("15.01.2024\r\n15.02.2024", {0, 0, 0, 2});
  EXPECT_EQ(ColumnText(grid, 0), "15.01.2024|15.02.2024|15.03.2024|4|5|");
  pasteInto("1,5\r\n2", {1, 0, 1, 3});
  EXPECT_EQ(ColumnText(grid, 1), "1,50|2,00|2,50|3,00||");
  pasteInto("x\r\ny", {0, 0, 0, 4});
  EXPECT_EQ(ColumnText(grid, 0), "x|y|x|y|x|");
  pasteInto("1.2.x\r\n3.4.y", {0, 0, 0, 3});  // dates that are none repeat as texts
  EXPECT_EQ(ColumnText(grid, 0), "1.2.x|3.4.y|1.2.x|3.4.y|x|");
}

}  // namespace
