// Each reader of outside files against a small corpus of damaged files kept in
// tests/grid/damaged/<reader>: every file is refused with the reader's error and leaves the
// grid as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "components/grid/grid/ExtGrid.h"
#include "grid_text.h"
#include "platform/core/exception.h"

namespace {

std::vector<std::string> Corpus(const std::string& Reader) {
  std::vector<std::string> files;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(KALVENTO_TEST_DATA) + "/grid/damaged/" + Reader))
    files.push_back(entry.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

struct Reader {
  const char* folder;
  std::function<void(TExtStringGrid&, const std::string&)> load;
  // The start of the error message, before the file name or the reason; the office readers
  // name the part or the file first, so only a refusal is asked of them.
  const char* error;
};

class DamagedCorpus : public testing::TestWithParam<Reader> {};

TEST_P(DamagedCorpus, EachFileIsRefusedAndTheGridStaysAsItWas) {
  const Reader& reader = GetParam();
  const std::vector<std::string> files = Corpus(reader.folder);
  ASSERT_FALSE(files.empty());
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    TExtStringGrid grid(nullptr);
    SetRowTexts(grid, {{"a", "b", "c"}, {"d", "e", "f"}});
    grid.SetColWidths(2, 91);
    bool refused = false;
    std::string message;
    try {
      reader.load(grid, file);
    } catch (const Exception& e) {
      refused = true;
      message = e.Message;
    }
    EXPECT_TRUE(refused);
    EXPECT_EQ(message.rfind(reader.error, 0), 0u) << message;
    EXPECT_EQ(grid.GetColCount(), 3);
    EXPECT_EQ(grid.GetRowCount(), 2);
    EXPECT_EQ(RowText(grid, 0) + "/" + RowText(grid, 1), "a|b|c/d|e|f");
    EXPECT_EQ(grid.ColWidths(2), 91);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Readers, DamagedCorpus,
    testing::Values(
        Reader{"text", [](TExtStringGrid& g, const std::string& f) { g.LoadFromFile(f); },
               "File contains no data or corrupt file "},
        Reader{"xlsx", [](TExtStringGrid& g, const std::string& f) { g.LoadFromXLS(f); }, ""},
        Reader{"xls", [](TExtStringGrid& g, const std::string& f) { g.LoadFromXLS(f); }, ""}),
    [](const testing::TestParamInfo<Reader>& info) { return std::string(info.param.folder); });

}  // namespace
