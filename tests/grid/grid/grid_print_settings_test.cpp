// The print settings in a settings file, and the column widths in a settings file or the
// registry stand-in.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/grid/grid/ExtGrid.h"
#include "platform/core/inifile.h"
#include "platform/core/registry.h"
#include "temp_folder.h"

namespace {

class GridPrintSettings : public testing::Test {
 protected:
  std::string File() const { return folder_ / "print.ini"; }

  ConfigHome folder_;
  TExtStringGrid grid{nullptr};
  TPrintSettings& ps = grid.PrintSettings;
};

TEST_F(GridPrintSettings, WritesEveryKeyInItsOrder) {
  ps.ColumnSpacing = 5;
  ps.Centered = true;
  ps.Borders = pbAround;
  ps.PageNr = ppBottomCenter;
  ps.TitleText = "Kalvento";
  ps.GetFont()->SetName("Arial");
  ps.GetFont()->SetSize(10);
  ps.GetFont()->SetStyle(TFontStyles{fsBold, fsItalic});
  ps.GetFont()->SetColor(clRed);
  ps.GetTitleLines()->Add("A");
  ps.GetTitleLines()->Add("B");
  ps.Orientation = poLandscape;
  ps.JobName = "not kept";
  grid.SavePrintSettings(File(), "Print");
  const std::string header =
      "[Print]\r\nColumnSpacing=5\r\nRowSpacing=0\r\nTitleSpacing=0\r\nFixedHeight=0\r\n"
      "FixedWidth=0\r\nCentered=Y\r\nNoAutoSize=N\r\nUseFixedHeight=N\r\nUseFixedWidth=N\r\n"
      "RepeatFixedRows=N\r\nRepeatFixedCols=N\r\nBorders=5\r\nBorderStyle=0\r\nDate=0\r\n"
      "PageNr=6\r\nTitle=0\r\nTime=0\r\nDateFormat=dd/mm/yyyy\r\nTitleText=Kalvento\r\n"
      "FooterSize=0\r\nHeaderSize=0\r\nLeftSize=0\r\nRightSize=0\r\nFitToPage=0\r\n"
      "FontName=Arial\r\nFontSize=10\r\nFontStyle=3\r\nFontColor=255\r\n";
  // The header and footer fonts are the class library's default font.
  const auto font = [](const std::string& Prefix) {
    return Prefix + "FontName=MS Sans Serif\r\n" + Prefix + "FontSize=8\r\n" + Prefix +
           "FontStyle=0\r\n" + Prefix + "FontColor=-2147483640\r\n";
  };
  const std::string tail = "PageNumSep=/\r\nPageSuffix=\r\nPagePrefix=\r\nOrientation=1\r\n"
                           "TitleLines=A\\nB\r\n";
  EXPECT_EQ(ReadBytes(File()), header + font("Header") + font("Footer") + tail);
}

TEST_F(GridPrintSettings, AnEmptySectionLoadsTheDefaults) {
  ps.GetFont()->SetStyle(TFontStyles{fsBold});
  ps.Borders = pbDouble;
  ps.JobName = "job";
  ps.PageNumberOffset = 4;
  grid.LoadPrintSettings(File(), "Nothing");
  EXPECT_EQ(ps.ColumnSpacing, 20);
  EXPECT_EQ(ps.RowSpacing, 20);
  EXPECT_EQ(ps.TitleSpacing, 20);
  EXPECT_EQ(ps.LeftSize, 100);
  EXPECT_EQ(ps.RightSize, 100);
  EXPECT_EQ(ps.HeaderSize, 100);
  EXPECT_EQ(ps.FooterSize, 100);
  EXPECT_TRUE(ps.Centered);
  EXPECT_FALSE(ps.NoAutoSize);
  EXPECT_EQ(ps.DateFormat, "");
  EXPECT_EQ(ps.PageNumSep, "");
  EXPECT_EQ(ps.PagePrefix, "");
  EXPECT_EQ(ps.Borders, pbNoborder);
  EXPECT_EQ(ps.GetFont()->GetName(), "Arial");
  EXPECT_EQ(ps.GetFont()->GetSize(), 10);
  EXPECT_EQ(ps.GetHeaderFont()->GetName(), "Arial");
  EXPECT_EQ(ps.GetFooterFont()->GetSize(), 10);
  EXPECT_TRUE(ps.GetFont()->GetStyle().Contains(fsBold));  // styles only add
  EXPECT_EQ(ps.JobName, "job");                            // neither written nor read
  EXPECT_EQ(ps.PageNumberOffset, 4);
}

TEST_F(GridPrintSettings, FontStylesTitleLinesAndTextsComeBack) {
  ps.GetHeaderFont()->SetStyle(TFontStyles{fsBold, fsItalic});
  ps.GetTitleLines()->Add("A");
  ps.GetTitleLines()->Add("B");
  ps.TitleText = "Kit\r\nList";
  ps.PagePrefix = "Page\r\n";
  grid.SavePrintSettings(File(), "P");
  EXPECT_EQ(TIniFile(File()).ReadString("P", "TitleText", ""), "Kit\\nList");

  TExtStringGrid other(nullptr);
  other.LoadPrintSettings(File(), "P");
  const TPrintSettings& loaded = other.PrintSettings;
  EXPECT_EQ(loaded.GetHeaderFont()->GetStyle(), (TFontStyles{fsBold, fsItalic}));
  ASSERT_EQ(loaded.GetTitleLines()->Count(), 2);
  EXPECT_EQ(loaded.GetTitleLines()->Strings(1), "B");
  EXPECT_EQ(loaded.TitleText, "Kit\rList");
  EXPECT_EQ(loaded.PagePrefix, "Page\r");
}

// Each key with a value that is neither a setting's default nor what a missing key loads: a
// key that Load passed over would be saved back as something else.
TEST_F(GridPrintSettings, EveryKeySurvivesALoadAndASave) {
  const std::vector<std::pair<std::string, std::string>> keys = {
      {"ColumnSpacing", "1"}, {"RowSpacing", "2"}, {"TitleSpacing", "3"}, {"FixedHeight", "4"},
      {"FixedWidth", "5"}, {"Centered", "N"}, {"NoAutoSize", "Y"}, {"UseFixedHeight", "Y"},
      {"UseFixedWidth", "Y"}, {"RepeatFixedRows", "Y"}, {"RepeatFixedCols", "Y"},
      {"Borders", "7"}, {"BorderStyle", "3"}, {"Date", "1"}, {"PageNr", "2"}, {"Title", "3"},
      {"Time", "4"}, {"DateFormat", "yyyy-mm-dd"}, {"TitleText", "Kit\\nList"},
      {"FooterSize", "6"}, {"HeaderSize", "7"}, {"LeftSize", "8"}, {"RightSize", "9"},
      {"FitToPage", "2"}, {"FontName", "Courier New"}, {"FontSize", "11"}, {"FontStyle", "1"},
      {"FontColor", "255"}, {"HeaderFontName", "Times New Roman"}, {"HeaderFontSize", "12"},
      {"HeaderFontStyle", "2"}, {"HeaderFontColor", "65280"}, {"FooterFontName", "Verdana"},
      {"FooterFontSize", "13"}, {"FooterFontStyle", "12"}, {"FooterFontColor", "16711680"},
      {"PageNumSep", "-"}, {"PageSuffix", "]"}, {"PagePrefix", "["}, {"Orientation", "1"},
      {"TitleLines", "A\\nB"}};
  {
    TIniFile written(File());
    for (const auto& [key, value] : keys) written.WriteString("In", key, value);
  }
  grid.LoadPrintSettings(File(), "In");
  grid.SavePrintSettings(File(), "Out");

  const TIniFile saved(File());
  TStringList names;
  saved.ReadSection("Out", &names);
  EXPECT_EQ(names.Count(), static_cast<int>(keys.size()));
  for (const auto& [key, value] : keys) EXPECT_EQ(saved.ReadString("Out", key, "?"), value) << key;
}

TEST_F(GridPrintSettings, NumbersOutsideTheirRangeChangeNothing) {
  TIniFile ini(File());
  ini.WriteInteger("P", "Borders", 12);
  ini.WriteInteger("P", "BorderStyle", -1);
  ini.WriteInteger("P", "FitToPage", 5);
  ini.WriteInteger("P", "Orientation", 2);
  ini.WriteInteger("P", "Date", 7);
  ini.WriteInteger("P", "PageNr", 4);
  ini.WriteString("P", "Centered", "y");
  ps.Borders = pbVertical;
  ps.BorderStyle = psDot;
  ps.FitToPage = fpShrink;
  ps.Orientation = poLandscape;
  ps.Date = ppTopLeft;
  grid.LoadPrintSettings(File(), "P");
  EXPECT_EQ(ps.Borders, pbVertical);
  EXPECT_EQ(ps.BorderStyle, psDot);
  EXPECT_EQ(ps.FitToPage, fpShrink);
  EXPECT_EQ(ps.Orientation, poLandscape);
  EXPECT_EQ(ps.Date, ppNone);
  EXPECT_EQ(ps.PageNr, ppBottomLeft);
  EXPECT_FALSE(ps.Centered);  // only "Y" is true
}

TEST_F(GridPrintSettings, ColumnWidthsInAFileAndInTheRegistry) {
  grid.SetColCount(3);
  grid.SetColWidths(1, 120);
  grid.ColumnSize.Key = File();
  grid.ColumnSize.Section = "";
  grid.ColumnSize.Location = clIniFile;
  grid.SaveColSizes();
  EXPECT_FALSE(std::filesystem::exists(File()));

  grid.ColumnSize.Section = "Widths";
  grid.SaveColSizes();
  EXPECT_EQ(ReadBytes(File()), "[Widths]\r\nCol0=64\r\nCol1=120\r\nCol2=64\r\n");
  TIniFile(File()).WriteInteger("Widths", "Col2", -5);
  TIniFile(File()).WriteInteger("Widths", "Col0", 33);
  grid.SetColWidths(1, 10);
  grid.LoadColSizes();
  EXPECT_EQ(grid.ColWidths(0), 33);
  EXPECT_EQ(grid.ColWidths(1), 120);
  EXPECT_EQ(grid.ColWidths(2), 64);  // a width below 0 is passed over

  grid.ColumnSize.Location = clRegistry;
  grid.ColumnSize.Key = "Software\\Kalvento\\Grid";
  grid.SaveColSizes();
  grid.SetColWidths(0, 5);
  grid.LoadColSizes();
  EXPECT_EQ(grid.ColWidths(0), 33);
  EXPECT_EQ(TRegistryIniFile("Software\\Kalvento\\Grid").ReadInteger("Widths", "Col1", 0), 120);
}

TEST_F(GridPrintSettings, AGridThatKeepsItsWidthsSavesThemWhenFreed) {
  {
    TExtStringGrid kept(nullptr);
    kept.SetColCount(2);
    kept.SetColWidths(1, 99);
    kept.ColumnSize = {true, File(), "W"};
    kept.ColumnSize.Location = clIniFile;
  }
  EXPECT_EQ(TIniFile(File()).ReadInteger("W", "Col1", 0), 99);
  TExtStringGrid loaded(nullptr);
  loaded.SetColCount(2);
  loaded.ColumnSize = {true, File(), "W"};
  loaded.ColumnSize.Location = clIniFile;
  loaded.Loaded();
  EXPECT_EQ(loaded.ColWidths(1), 99);
}

}  // namespace
