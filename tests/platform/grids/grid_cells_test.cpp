#include "platform/grids/grid_cells.h"

#include <gtest/gtest.h>

#include <climits>

#include "platform/grids/grid_error.h"
#include "platform/grids/grid_line_strings.h"
#include "platform/core/strings.h"

namespace {

// Texts of row `row`, columns 0..count-1, joined by '|'.
AnsiString RowText(const TGridCells& cells, int row, int count) {
  AnsiString out;
  for (int c = 0; c < count; ++c) out += (c ? "|" : "") + cells.Text(c, row);
  return out;
}

AnsiString ColText(const TGridCells& cells, int col, int count) {
  AnsiString out;
  for (int r = 0; r < count; ++r) out += (r ? "|" : "") + cells.Text(col, r);
  return out;
}

TEST(GridCells, UnstoredCellsReadEmptyAndNegativeWritesAreIgnored) {
  TGridCells cells;
  EXPECT_EQ(cells.Text(3, 1000000), "");
  EXPECT_EQ(cells.Object(-1, -5), nullptr);
  cells.SetText(-1, 0, "x");
  cells.SetText(0, -1, "x");
  TObject object;
  cells.SetObject(-2, 3, &object);
  EXPECT_EQ(cells.Text(0, 0), "");
  EXPECT_EQ(cells.Object(0, 3), nullptr);

  cells.SetText(700, 300000, "far");
  cells.SetObject(2, 5, &object);
  EXPECT_EQ(cells.Text(700, 300000), "far");
  EXPECT_EQ(cells.Text(699, 300000), "");
  EXPECT_EQ(cells.Object(2, 5), &object);
  EXPECT_EQ(cells.Text(2, 5), "");
  cells.SetText(0, 5, AnsiString("a\0b\xFF", 4) + AnsiString(39, 'x'));
  EXPECT_EQ(cells.Text(0, 5).size(), 43u);
}

// A row written at once reads as its cells written one by one; a row of empty texts that was
// never stored stays unstored, and the cells past the texts keep theirs.
TEST(GridCells, ARowWrittenAtOnceKeepsTheCellsPastItsTexts) {
  TGridCells cells;
  cells.SetRowWidthHint(4);
  cells.SetText(3, 7, "keep");
  const std::string_view texts[] = {"12", "ein langer Schl\xFCsseltext", ""};
  cells.SetRowTexts(7, texts);
  EXPECT_EQ(RowText(cells, 7, 4), "12|ein langer Schl\xFCsseltext||keep");
  const std::string_view none[] = {"", ""};
  cells.SetRowTexts(9, none);
  cells.SetRowTexts(-1, texts);
  EXPECT_EQ(cells.StoredCells(), 4u);
  cells.SetRowTexts(7, none);
  EXPECT_EQ(RowText(cells, 7, 4), "|||keep");
}

TEST(GridCells, RowsMoveWithTheirObjectsAndBeyondTheStoredRows) {
  TGridCells cells;
  TObject a, b;
  for (int r = 0; r < 4; ++r) cells.SetText(0, r, IntToStr(r));
  cells.SetObject(1, 0, &a);
  cells.SetObject(1, 3, &b);
  cells.MoveRow(0, 3);
  EXPECT_EQ(ColText(cells, 0, 4), "1|2|3|0");
  EXPECT_EQ(cells.Object(1, 3), &a);
  EXPECT_EQ(cells.Object(1, 2), &b);
  cells.MoveRow(3, 1);
  EXPECT_EQ(ColText(cells, 0, 4), "1|0|2|3");
  EXPECT_EQ(cells.Object(1, 1), &a);

  // Across pages, into rows never written, and back.
  cells.MoveRow(1, 1000);
  EXPECT_EQ(cells.Text(0, 1000), "0");
  EXPECT_EQ(cells.Object(1, 1000), &a);
  EXPECT_EQ(ColText(cells, 0, 4), "1|2|3|");
  cells.MoveRow(1000, 0);
  EXPECT_EQ(ColText(cells, 0, 5), "0|1|2|3|");
  cells.MoveRow(5000, 6000);  // nothing stored there
  EXPECT_EQ(cells.Text(0, 6000), "");
}

TEST(GridCells, WholeRowsSwapCopyClearAndPermute) {
  TGridCells cells;
  TObject a, b;
  cells.SetRowWidthHint(2);
  for (int r = 0; r < 4; ++r) cells.SetText(0, r, IntToStr(r));
  cells.SetText(5, 1, "wide");  // a row wider than the others
  cells.SetObject(1, 0, &a);
  cells.SwapRows(0, 1);
  EXPECT_EQ(ColText(cells, 0, 4), "1|0|2|3");
  EXPECT_EQ(cells.Text(5, 0), "wide");
  EXPECT_EQ(cells.Object(1, 1), &a);
  cells.SwapRows(2, 900);  // with a row never written
  EXPECT_EQ(cells.Text(0, 900), "2");
  EXPECT_EQ(cells.Text(0, 2), "");
  cells.SwapRows(2, 900);

  cells.CopyRow(1, 3);
  EXPECT_EQ(RowText(cells, 3, 2), "0|");
  EXPECT_EQ(cells.Object(1, 3), &a);
  cells.CopyRow(700, 3);  // a row never written copies as empty
  EXPECT_EQ(cells.Object(1, 3), nullptr);
  cells.SetObject(1, 3, &b);
  cells.ClearRow(3);
  EXPECT_EQ(cells.Object(1, 3), nullptr);
  cells.ClearRow(5000);

  // Row p takes row order[p].
  cells.PermuteRows({2, 0, 1, 3});
  EXPECT_EQ(ColText(cells, 0, 4), "2|1|0|");
  EXPECT_EQ(cells.Text(5, 1), "wide");
  EXPECT_EQ(cells.Object(1, 2), &a);
}

TEST(GridCells, ColumnsMoveInEveryRowAlsoPastShortRows) {
  TGridCells cells;
  cells.SetRowWidthHint(2);
  for (int c = 0; c < 3; ++c) cells.SetText(c, 0, AnsiString(1, 'a' + c));
  cells.SetText(0, 1, "short");
  TObject object;
  cells.SetObject(0, 2, &object);
  cells.MoveColumn(0, 4);
  EXPECT_EQ(RowText(cells, 0, 5), "b|c|||a");
  EXPECT_EQ(RowText(cells, 1, 5), "||||short");
  EXPECT_EQ(cells.Object(4, 2), &object);
  cells.MoveColumn(4, 1);
  EXPECT_EQ(RowText(cells, 0, 5), "b|a|c||");
  EXPECT_EQ(cells.Object(1, 2), &object);
  EXPECT_EQ(cells.Object(0, 2), nullptr);
  cells.MoveColumn(3, 4);  // beyond every stored text
  EXPECT_EQ(RowText(cells, 0, 5), "b|a|c||");
}

// A damaged text file of one very long line and many short ones makes a grid that wide: its
// rows must cost what they hold, not the grid's width, also after columns move or go.
TEST(GridCells, RowsOfAWideGridCostWhatTheyHold) {
  constexpr int kCols = 1000000, kRows = 10000;
  TGridCells cells;
  cells.SetRowWidthHint(kCols);
  for (int r = 0; r < kRows; ++r) cells.SetText(r % 3, r, "x");
  EXPECT_LE(cells.StoredCells(), std::size_t{4} * kRows);
  EXPECT_EQ(cells.Text(2, 2), "x");
  EXPECT_EQ(cells.Text(3, 2), "");
  EXPECT_EQ(cells.Text(kCols - 1, 2), "");

  cells.MoveColumn(5, kCols - 1);  // deleting an empty column
  cells.MoveColumn(kCols - 1, 0);  // the empty last column comes in first
  EXPECT_LE(cells.StoredCells(), std::size_t{5} * kRows);
  EXPECT_EQ(cells.Text(0, 2), "");
  EXPECT_EQ(cells.Text(3, 2), "x");
  EXPECT_EQ(cells.Text(1, 3), "x");
  EXPECT_EQ(cells.Text(kCols - 1, 3), "");

  // A row filled to the grid's width holds exactly that many, wherever it stops.
  TGridCells narrow;
  narrow.SetRowWidthHint(3);
  for (int c = 0; c < 3; ++c) narrow.SetText(c, 0, "t");
  narrow.SetText(6, 1, "beyond");
  EXPECT_EQ(narrow.StoredCells(), 3u + 7u);
  TObject object;
  narrow.SetObject(0, 0, &object);
  EXPECT_EQ(narrow.StoredCells(), 3u + 7u + 3u);
}

// The cells a walk over a rectangle visits, as "col:row" joined by ' '.
AnsiString Visited(const TGridCells& cells, TGridCells::Slot slot, const TGridRect& rect) {
  AnsiString out;
  cells.ForEachStored(slot, rect, [&](int col, int row) {
    out += (out.empty() ? "" : " ") + IntToStr(col) + ":" + IntToStr(row);
  });
  return out;
}

// Sweeps over the whole coordinate space visit what is stored only, in row order, and nothing
// that was stored and emptied again.
TEST(GridCells, WalksVisitTheStoredCellsOfTheirRectangle) {
  TGridCells cells;
  TObject object;
  cells.SetText(700, 300000, "far");
  cells.SetText(3, 1, "a");
  cells.SetText(0, 2, "b");
  cells.SetText(1, 2, "gone");
  cells.SetText(1, 2, "");
  cells.SetObject(5, 5, &object);
  cells.SetObject(2, 5, &object);
  cells.SetObject(4, 1, &object);
  cells.SetObject(4, 1, nullptr);
  constexpr TGridRect kAll{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  EXPECT_EQ(Visited(cells, TGridCells::Slot::Text, kAll), "3:1 0:2 700:300000");
  EXPECT_EQ(Visited(cells, TGridCells::Slot::Object, kAll), "2:5 5:5");
  EXPECT_EQ(Visited(cells, TGridCells::Slot::Text, {1, 0, 700, 299999}), "3:1");
  EXPECT_EQ(Visited(cells, TGridCells::Slot::Object, {3, 5, 5, 5}), "5:5");
  EXPECT_EQ(Visited(cells, TGridCells::Slot::Text, {4, 0, 3, 9}), "");  // corners crossed
  EXPECT_EQ(Visited(TGridCells(), TGridCells::Slot::Text, kAll), "");

  // The visit may empty the cells it is shown, and write others.
  int visits = 0;
  cells.ForEachStored(TGridCells::Slot::Text, kAll, [&](int col, int row) {
    ++visits;
    cells.SetText(col, row, "");
    cells.SetText(9, 0, "behind");
  });
  EXPECT_EQ(visits, 3);
  EXPECT_EQ(Visited(cells, TGridCells::Slot::Text, kAll), "9:0");
}

// A rectangle empties at once what lies inside it, objects and the cells around it kept; the
// room made for rows ahead of their cells keeps what they hold.
TEST(GridCells, RectanglesEmptyAtOnceAndRowsTakeRoomAhead) {
  TGridCells cells;
  TObject object;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) cells.SetText(c, r, IntToStr(c) + IntToStr(r));
  cells.SetText(9, 1, "beyond");
  cells.SetObject(0, 1, &object);
  cells.ClearTexts({0, 1, 3, 2});
  EXPECT_EQ(RowText(cells, 0, 4), "00|10|20|30");
  EXPECT_EQ(RowText(cells, 1, 10), "|||||||||beyond");
  EXPECT_EQ(RowText(cells, 2, 4), "|||");
  EXPECT_EQ(RowText(cells, 3, 4), "03|13|23|33");
  EXPECT_EQ(cells.Object(0, 1), &object);
  cells.ClearTexts({2, 0, INT_MAX, 0});
  EXPECT_EQ(RowText(cells, 0, 4), "00|10||");
  cells.ClearTexts({3, 3, 1, 3});  // corners crossed
  EXPECT_EQ(RowText(cells, 3, 4), "03|13|23|33");
  cells.ClearTexts({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  EXPECT_EQ(Visited(cells, TGridCells::Slot::Text, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}), "");
  EXPECT_EQ(cells.StoredCells(), 1u);  // the rows gave up their texts' room, not the object's

  cells.SetText(1, 5, "kept");
  cells.ReserveRows(4, 6, 8);
  cells.ReserveRows(5, 5, 1);  // never less than a row holds
  EXPECT_EQ(cells.StoredCells(), 1u + 3 * 8u);
  EXPECT_EQ(RowText(cells, 5, 3), "|kept|");
  for (int c = 7; c >= 0; --c) cells.SetText(c, 6, IntToStr(c));
  EXPECT_EQ(RowText(cells, 6, 8), "0|1|2|3|4|5|6|7");
  EXPECT_EQ(cells.StoredCells(), 1u + 3 * 8u);
}

// Rows made ahead of a refill get capacity for the long texts of the columns asked: the
// refill then copies such texts into the buffers already there, those of rows that had their
// width as well; texts already held stay.
TEST(GridCells, ReservedTextCapacityTakesTheRefillWithoutNewBuffers) {
  TGridCells cells;
  const std::string longText(19, 'x');
  cells.SetText(1, 3, "held");
  cells.ReserveRows(0, 2, 2);  // these rows have their width before the capacity is asked
  const uint32_t bytes[] = {0, 19};
  cells.ReserveRows(0, 299, 2, bytes);
  EXPECT_EQ(cells.Text(1, 3), "held");
  EXPECT_EQ(cells.StoredCells(), 300u * 2);
  for (int row : {0, 3, 299}) {
    EXPECT_GE(cells.Text(1, row).capacity(), 19u) << row;
    EXPECT_LT(cells.Text(0, row).capacity(), 19u) << row;  // column 0 was asked for none
    const char* buffer = cells.Text(1, row).data();
    const std::string_view texts[] = {"7", longText};
    cells.SetRowTexts(row, texts);
    EXPECT_EQ(cells.Text(1, row), longText);
    EXPECT_EQ(cells.Text(1, row).data(), buffer) << row;
  }
}

// Rows given room together share it: each keeps its texts through every move, copy, swap
// and clear, whatever became of the rows it was reserved with (the sanitizers check that
// no text is lost or read after it went).
TEST(GridCells, RowsReservedTogetherKeepTheirTextsThroughEveryMove) {
  TGridCells cells;
  auto text = [](int row) { return "row " + IntToStr(row) + " with a text too long to inline"; };
  cells.SetText(0, 300, "held before");
  cells.ReserveRows(250, 849, 3);  // three pages, one row already holding a text
  EXPECT_EQ(cells.StoredCells(), 600u * 3);
  for (int row = 250; row < 850; ++row) cells.SetText(1, row, text(row));
  EXPECT_EQ(cells.Text(0, 300), "held before");
  EXPECT_EQ(cells.StoredCells(), 600u * 3);  // the texts took the room reserved

  cells.SetText(0, 5, "wide row");
  cells.SetText(6, 5, "end");
  cells.SwapRows(5, 260);  // rows of different widths trade their arrays
  EXPECT_EQ(cells.Text(1, 5), text(260));
  EXPECT_EQ(cells.Text(6, 260), "end");
  cells.CopyRow(261, 5);  // a copy has room of its own
  cells.ClearRow(261);
  EXPECT_EQ(cells.Text(1, 5), text(261));
  cells.SetText(5, 262, "grows");  // out of its slots into an array of its own
  cells.ClearTexts({0, 270, INT_MAX, 299});
  cells.MoveRow(262, 1000);  // the rows after it move up by one
  EXPECT_EQ(cells.Text(5, 1000), "grows");
  EXPECT_EQ(cells.Text(1, 1000), text(262));
  EXPECT_EQ(cells.Text(1, 262), text(263));
  std::vector<int> order(1200);
  for (int p = 0; p < 1200; ++p) order[p] = 1199 - p;
  cells.PermuteRows(order);
  EXPECT_EQ(cells.Text(1, 1199 - 5), text(261));
  EXPECT_EQ(cells.Text(1, 1199 - 700), text(701));
  EXPECT_EQ(cells.Text(0, 1199 - 299), "held before");
  EXPECT_EQ(cells.Text(1, 1199 - 279), "");  // cleared while its block's other rows held on
}

// A grid refilled in the shape it had (the query index run after run) keeps its rows' room:
// the texts read empty, and viewed texts are copied into the buffers they left.
TEST(GridCells, RoomKeptForARefillIsReusedByViewedTexts) {
  TGridCells cells;
  const std::string_view first[] = {"17", "a designation longer than a short text", ""};
  cells.SetRowTexts(0, first);
  cells.SetRowTexts(1, first);
  const char* buffer = cells.Text(1, 0).data();
  cells.ClearTexts({0, 0, INT_MAX, 1}, TGridCells::Capacity::Keep);
  EXPECT_EQ(RowText(cells, 0, 3), "||");
  EXPECT_EQ(Visited(cells, TGridCells::Slot::Text, {0, 0, INT_MAX, 1}), "");
  EXPECT_EQ(cells.StoredCells(), 4u);  // the empty last texts took no room
  const std::string_view second[] = {"3", "a shorter designation", "x"};
  cells.SetRowTexts(0, second);
  EXPECT_EQ(RowText(cells, 0, 3), "3|a shorter designation|x");
  EXPECT_EQ(cells.Text(1, 0).data(), buffer);
  const std::string_view empty[] = {"", ""};
  cells.SetRowTexts(5, empty);  // stores nothing where nothing is stored
  EXPECT_EQ(cells.StoredCells(), 5u);
  cells.ClearTexts({0, 0, INT_MAX, 1});
  EXPECT_EQ(cells.StoredCells(), 0u);
}

class GridLine : public testing::Test {
 protected:
  TGridCells cells;
  TObject x, y;
  void SetUp() override {
    for (int c = 0; c < 3; ++c)
      for (int r = 0; r < 3; ++r) cells.SetText(c, r, IntToStr(c) + IntToStr(r));
  }
};

TEST_F(GridLine, ReadsAndWritesItsCells) {
  TGridLineStrings row(cells, TGridLineStrings::Row, 1, 3);
  TGridLineStrings col(cells, TGridLineStrings::Column, 2, 3);
  EXPECT_EQ(row.Count(), 3);
  EXPECT_EQ(row.GetCommaText(), "01,11,21");
  EXPECT_EQ(col.GetCommaText(), "20,21,22");
  row.SetStrings(2, "new");
  row.SetObjects(0, &x);
  EXPECT_EQ(col.Strings(1), "new");
  EXPECT_EQ(cells.Object(0, 1), &x);
  EXPECT_EQ(row.IndexOf("NEW"), 2);
  EXPECT_THROW(row.Insert(0, "x"), EInvalidGridOperation);
  EXPECT_THROW(row.Delete(0), EInvalidGridOperation);
}

TEST_F(GridLine, AssignCopiesTextsAndObjectsAndEmptiesTheRest) {
  TStringList source;
  source.AddObject("", &x);
  source.AddObject("b", &y);
  TGridLineStrings row(cells, TGridLineStrings::Row, 0, 3);
  row.Assign(source);
  EXPECT_EQ(row.GetCommaText(), ",b,");
  EXPECT_EQ(row.Objects(0), &x);
  EXPECT_EQ(row.Objects(1), &y);

  // A longer list fills the line and no more; the next row is untouched.
  source.Add("c");
  source.Add("d");
  TGridLineStrings col(cells, TGridLineStrings::Column, 1, 2);
  col.Assign(source);
  EXPECT_EQ(cells.Text(1, 1), "b");
  EXPECT_EQ(cells.Text(1, 2), "12");
  EXPECT_EQ(col.Add("full"), -1);

  TStringList copy;
  copy.Assign(TGridLineStrings(cells, TGridLineStrings::Row, 2, 3));
  EXPECT_EQ(copy.GetCommaText(), "02,12,22");
}

TEST_F(GridLine, AddFillsTheNextEmptyCell) {
  cells.SetText(1, 2, "");
  TGridLineStrings row(cells, TGridLineStrings::Row, 2, 4);
  EXPECT_EQ(row.Add("p"), 1);
  EXPECT_EQ(row.Add("q"), 3);
  EXPECT_EQ(row.Add("r"), -1);
}

}  // namespace
