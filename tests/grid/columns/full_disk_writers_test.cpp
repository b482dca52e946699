// The grid's writers on a full disk: every file format, the settings files and the office
// files each raise their error, and the file that was there stays as it was.
#include <gtest/gtest.h>

#include "../full_disk_writers.h"
#include "../temp_folder.h"
#include "components/grid/columns/ExtCGrid.h"
#include "components/grid/formats/OfficeConverter.h"
#include "components/grid/grid/ExtGridError.h"
#include "office_files.h"
#include "platform/core/inifile.h"
#include "platform/core/stream.h"

namespace {

class FullDiskGrid : public testing::Test {
 protected:
  FullDiskGrid() : grid(nullptr) {
    grid.SetColCount(3);
    grid.SetRowCount(4);
    for (int c = 0; c < 3; ++c)
      for (int r = 0; r < 4; ++r) grid.SetCells(c, r, "Zelle " + std::to_string(c * 10 + r));
  }
  // A writer of the grid that raises Error.
  template <typename Error>
  FullDiskWriter Raises(std::string name, std::string file,
                        std::function<void(TExtColumnGrid&, const std::string&)> write,
                        std::string old = "") {
    return {name, file, old, [this, write](const std::string& path) {
              return FULL_DISK_THROWS(write(grid, path), Error);
            }};
  }

  TExtColumnGrid grid;
};

TEST_F(FullDiskGrid, EveryWriterKeepsTheLastGoodFile) {
  using Grid = TExtColumnGrid;
  using Path = const std::string&;
  TempFolder elsewhere;
  WriteZip(elsewhere / "book.xlsx", TwoSheetWorkbook());
  const std::string workbook = ReadBytes(elsewhere / "book.xlsx");
  std::vector<FullDiskWriter> writers = {
      Raises<EExtGridError>("SaveToFile", "grid.txt", [](Grid& g, Path p) { g.SaveToFile(p); }),
      Raises<EStreamError>("SaveToBinFile", "grid.bin", [](Grid& g, Path p) { g.SaveToBinFile(p); }),
      Raises<EExtGridError>("SaveToCSV", "grid.csv", [](Grid& g, Path p) { g.SaveToCSV(p); }),
      Raises<EExtGridError>("AppendToCSV", "grid.csv", [](Grid& g, Path p) { g.AppendToCSV(p); }),
      Raises<EExtGridError>("SaveToFixed", "grid.fix",
                            [](Grid& g, Path p) {
                              TIntList widths;
                              g.SaveToFixed(p, widths);
                            }),
      Raises<EExtGridError>("SaveToASCII", "grid.asc", [](Grid& g, Path p) { g.SaveToASCII(p); }),
      Raises<EExtGridError>("SaveToHTML", "grid.htm", [](Grid& g, Path p) { g.SaveToHTML(p); }),
      Raises<EExtGridError>("AppendToHTML", "grid.htm", [](Grid& g, Path p) { g.AppendToHTML(p); }),
      Raises<EExtGridError>("SaveToXML", "grid.xml",
                            [](Grid& g, Path p) { g.SaveToXML(p, "Liste", "Satz", nullptr); }),
      // The scratch folder lies on another file system than the full one.
      Raises<Exception>("SaveToXLS", "grid.xlsx", [](Grid& g, Path p) { g.SaveToXLS(p); }),
      Raises<Exception>("SaveToXLSSheet into a workbook", "grid.xlsx",
                        [](Grid& g, Path p) { g.SaveToXLSSheet(p, "Daten"); }, workbook),
      Raises<Exception>("SaveToDOC", "grid.docx", [](Grid& g, Path p) { g.SaveToDOC(p); }),
      Raises<EIniFileException>("SavePrintSettings", "druck.ini",
                                [](Grid& g, Path p) { g.SavePrintSettings(p, "Druck"); }),
      Raises<EIniFileException>("SaveColSizes", "spalten.ini",
                                [](Grid& g, Path p) {
                                  g.ColumnSize.Location = clIniFile;
                                  g.ColumnSize.Key = p;
                                  g.ColumnSize.Section = "Breiten";
                                  g.SaveColSizes();
                                }),
      Raises<EIniFileException>("SaveColumnPositions", "spalten.ini",
                                [](Grid& g, Path p) { g.SaveColumnPositions(p, "Liste"); }),
  };
  if (!OfficeConverterProgram().empty())
    writers.push_back(Raises<Exception>("SaveToXLS through the converter", "grid.xls",
                                        [](Grid& g, Path p) { g.SaveToXLS(p); }));
  ExpectFullDiskKeepsOldFiles(writers);
}

}  // namespace
