// The grid's writers as another user: a read-only file of someone else is refused in the
// program's words and stays as it was; a dangling link is written through.
#include <gtest/gtest.h>

#include "../protected_file_writers.h"
#include "components/grid/columns/ExtCGrid.h"
#include "platform/core/exception.h"

namespace {

class ProtectedFileGrid : public testing::Test {
 protected:
  ProtectedFileGrid() : grid(nullptr) {
    grid.SetColCount(2);
    grid.SetRowCount(3);
    for (int c = 0; c < 2; ++c)
      for (int r = 0; r < 3; ++r) grid.SetCells(c, r, "Zelle " + std::to_string(c * 10 + r));
  }
  // A writer of the grid; what it tells is the text of the exception it raises.
  ProtectedFileWriter Saves(std::string name, std::string file,
                            std::function<void(TExtColumnGrid&, const std::string&)> write) {
    return {name, file, [this, write](const std::string& path) {
              try {
                write(grid, path);
              } catch (const Exception& error) {
                return std::string(error.Message);
              }
              return std::string();
            }};
  }
  std::vector<ProtectedFileWriter> Writers() {
    using Grid = TExtColumnGrid;
    using Path = const std::string&;
    return {
        Saves("SaveToCSV", "grid.csv", [](Grid& g, Path p) { g.SaveToCSV(p); }),
        Saves("SaveToFile", "grid.txt", [](Grid& g, Path p) { g.SaveToFile(p); }),
        Saves("SaveToBinFile", "grid.bin", [](Grid& g, Path p) { g.SaveToBinFile(p); }),
        Saves("SaveToXLS", "grid.xlsx", [](Grid& g, Path p) { g.SaveToXLS(p); }),
    };
  }

  TExtColumnGrid grid;
};

TEST_F(ProtectedFileGrid, AReadOnlyFileOfAnotherUserIsRefusedAndKept) {
  SKIP_WITHOUT_OTHER_USERS();
  ExpectReadOnlyFilesKept(Writers());
}

TEST_F(ProtectedFileGrid, ADanglingLinkIsWrittenThrough) {
  SKIP_WITHOUT_OTHER_USERS();
  ExpectDanglingLinksWrittenThrough(Writers());
}

}  // namespace
