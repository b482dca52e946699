#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../temp_folder.h"
#include "column_settings.h"
#include "components/grid/formats/BinaryStream.h"
#include "components/grid/grid/editing/EditLink.h"
#include "components/grid/columns/ExtCGrid.h"
#include "components/grid/grid/ExtGridError.h"

namespace {

// Columns told apart by their tags: column i of a fresh grid has tag i.
class ColumnFiles : public testing::Test {
 protected:
  TempFolder folder;
  std::string ini = folder / "grid.ini";

  static void Tag(TExtColumnGrid& grid) {
    for (int i = 0; i < grid.GetColumns()->Count(); ++i) grid.GetColumns()->GetItem(i)->Tag = i;
  }
  static std::vector<int> Tags(const TExtColumnGrid& grid) {
    std::vector<int> tags;
    for (int i = 0; i < grid.GetColumns()->Count(); ++i)
      tags.push_back(grid.GetColumns()->GetItem(i)->Tag);
    return tags;
  }
};

TEST_F(ColumnFiles, PositionsLoadAsTheyWereSaved) {
  TExtColumnGrid saved(nullptr);
  saved.SetColCount(3);
  Tag(saved);
  saved.MoveColumn(0, 2);  // B, C, A
  saved.SaveColumnPositions(ini, "Liste");
  EXPECT_EQ(ReadBytes(ini), "[Liste]\r\nCP0=1\r\nCP1=2\r\nCP2=0\r\n");

  TExtColumnGrid fresh(nullptr);
  fresh.SetColCount(3);
  Tag(fresh);
  fresh.SetCells(0, 1, "a");
  fresh.LoadColumnPositions(ini, "Liste");
  EXPECT_EQ(Tags(fresh), (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(fresh.Cells(2, 1), "a");

  // Whatever order the columns have now.
  fresh.MoveColumn(2, 0);
  fresh.MoveColumn(2, 1);
  fresh.LoadColumnPositions(ini, "Liste");
  EXPECT_EQ(Tags(fresh), (std::vector<int>{1, 2, 0}));
  fresh.ResetOrganization();
  EXPECT_EQ(Tags(fresh), (std::vector<int>{0, 1, 2}));
}

TEST_F(ColumnFiles, PositionsThatAreNoArrangementLeaveTheOrder) {
  const std::vector<std::string> files = {
      "",                                                 // no section: every key missing
      "[Liste]\r\nCP0=0\r\nCP1=0\r\nCP2=0\r\n",           // all equal
      "[Liste]\r\nCP0=1\r\nCP1=-1\r\nCP2=0\r\n",          // negative
      "[Liste]\r\nCP0=1\r\nCP1=2\r\nCP2=3\r\n",           // beyond the columns
      "[Liste]\r\nCP0=1\r\nCP1=0\r\n",                    // one missing
  };
  for (const std::string& bytes : files) {
    SCOPED_TRACE(bytes);
    WriteBytes(ini, bytes);
    TExtColumnGrid grid(nullptr);
    grid.SetColCount(3);
    Tag(grid);
    grid.MoveColumn(0, 1);
    grid.LoadColumnPositions(ini, "Liste");
    EXPECT_EQ(Tags(grid), (std::vector<int>{1, 0, 2}));
  }
}

TEST_F(ColumnFiles, SavedPositionsStayAnArrangementAfterColumnsCameAndWent) {
  TExtColumnGrid grid(nullptr);
  grid.SetColCount(4);
  Tag(grid);
  grid.MoveColumn(3, 0);  // D, A, B, C
  grid.SetColCount(3);    // D, A, B
  grid.SetColCount(4);    // D, A, B, new
  grid.GetColumns()->GetItem(3)->Tag = 9;
  grid.SaveColumnPositions(ini, "Liste");
  EXPECT_EQ(ReadBytes(ini), "[Liste]\r\nCP0=2\r\nCP1=0\r\nCP2=1\r\nCP3=3\r\n");
  grid.ResetOrganization();
  EXPECT_EQ(Tags(grid), (std::vector<int>{0, 1, 3, 9}));
  grid.LoadColumnPositions(ini, "Liste");
  EXPECT_EQ(Tags(grid), (std::vector<int>{3, 0, 1, 9}));
}

TEST_F(ColumnFiles, TheStreamCarriesEveryColumnSetting) {
  TExtColumnGrid source(nullptr);
  source.SetColCount(6);
  for (int i = 0; i < 6; ++i) FillColumn(*source.GetColumns()->GetItem(i), i);
  TMemoryStream stream;
  source.SaveColumnsToStream(&stream);

  TExtColumnGrid target(nullptr);
  TPopupMenu menu(nullptr);
  target.GetColumns()->GetItem(1)->SetColumnPopup(&menu);
  target.GetColumns()->GetItem(1)->ColumnPopupType = cpAllCellsRClick;
  TEditLink link(nullptr);
  target.GetColumns()->GetItem(1)->EditLink = &link;
  stream.SetPosition(0);
  target.LoadColumnsFromStream(&stream);

  ASSERT_EQ(target.GetColCount(), 6);
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    ExpectSameColumn(*target.GetColumns()->GetItem(i), *source.GetColumns()->GetItem(i));
    EXPECT_EQ(target.ColWidths(i), 70 + i);
  }
  EXPECT_EQ(target.GetColumns()->GetItem(1)->GetColumnPopup(), &menu);
  EXPECT_EQ(target.GetColumns()->GetItem(1)->ColumnPopupType, cpAllCellsRClick);
  EXPECT_EQ(target.GetColumns()->GetItem(1)->EditLink, &link);
}

TEST_F(ColumnFiles, TheStreamStartsWithItsMarkAndVersion) {
  TExtColumnGrid grid(nullptr);
  TMemoryStream stream;
  grid.SaveColumnsToStream(&stream);
  const std::string bytes(stream.Bytes().begin(), stream.Bytes().end());
  EXPECT_EQ(bytes.substr(0, 12), std::string("COLS\x01\0\0\0\x05\0\0\0", 12));
}

// The first bytes of a stream that its own writer made, with Edit applied.
std::vector<uint8_t> EditedStream(const std::function<void(std::vector<uint8_t>&)>& Edit) {
  TExtColumnGrid grid(nullptr);
  TMemoryStream stream;
  grid.SaveColumnsToStream(&stream);
  std::vector<uint8_t> bytes = stream.Bytes();
  Edit(bytes);
  return bytes;
}

TEST_F(ColumnFiles, ADamagedStreamIsRefusedAndChangesNothing) {
  struct Case {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> edit;
    bool settings;  // refused as no column settings of a known version
  };
  const std::vector<Case> cases = {
      {"other mark", [](auto& b) { b[0] = 'X'; }, true},
      {"newer version", [](auto& b) { b[4] = 2; }, true},
      {"cut", [](auto& b) { b.resize(b.size() - 3); }, false},
      {"count beyond the bytes", [](auto& b) { b[11] = 0x7F; }, false},
      {"negative count", [](auto& b) { b[11] = 0x80; }, false},
      // The first column's alignment byte (after its width) names no alignment.
      {"alignment out of range", [](auto& b) { b[16] = 9; }, false},
      // The first column's header length (after the alignment) reaches past the end.
      {"header length", [](auto& b) { b[20] = 0x10; }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TExtColumnGrid grid(nullptr);
    grid.SetColCount(3);
    grid.GetColumns()->GetItem(1)->Tag = 7;
    TMemoryStream stream;
    const std::vector<uint8_t> bytes = EditedStream(c.edit);
    stream.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    if (c.settings)
      EXPECT_THROW(grid.LoadColumnsFromStream(&stream), EExtGridError);
    else
      EXPECT_THROW(grid.LoadColumnsFromStream(&stream), EStreamError);
    EXPECT_EQ(grid.GetColumns()->Count(), 3);
    EXPECT_EQ(grid.GetColumns()->GetItem(1)->Tag, 7);
  }
}

TEST(BinaryStream, ValuesRoundTripLittleEndian) {
  TMemoryStream stream;
  BinaryWriter out(stream);
  out.Int(-2);
  out.Int(0x01020304);
  out.Bool(true);
  out.Text("Gr\xF6\xDF" "e");
  out.Text("");
  EXPECT_EQ(std::vector<uint8_t>(stream.Bytes().begin() + 4, stream.Bytes().begin() + 8),
            (std::vector<uint8_t>{4, 3, 2, 1}));
  stream.SetPosition(0);
  BinaryReader in(stream);
  EXPECT_EQ(in.Int(), -2);
  EXPECT_EQ(in.Int(), 0x01020304);
  EXPECT_TRUE(in.Bool());
  EXPECT_EQ(in.Text(), "Gr\xF6\xDF" "e");
  EXPECT_EQ(in.Text(), "");
  EXPECT_THROW(in.Byte(), EStreamError);
}


}  // namespace
