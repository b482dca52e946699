#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/core/inifile.h"
#include "list_lines.h"
#include "temp_folder.h"

namespace {

const char kSample[] =
    "; settings\n"
    "[Print]\r\n"
    "  Title = \"  Parts list  \" \n"
    "Font='Arial'\n"
    "Size=  10  \n"
    "Quote=\"half\n"
    "; Hidden=1\n"
    "\n"
    "[ other ]\n"
    "k=\xE4\xF6\x80\n";

TEST(IniFile, RelativeNamesLieInTheConfigFolder) {
  ConfigHome home;
  TIniFile ini("Kalvento.ini");
  EXPECT_EQ(ini.FileName(), home.Kalvento("Kalvento.ini"));
  EXPECT_EQ(ini.ReadString("s", "k", "none"), "none");
  EXPECT_FALSE(std::filesystem::exists(home.Kalvento("")));  // reading creates nothing
  ini.WriteString("s", "k", "v");
  EXPECT_EQ(ReadBytes(home.Kalvento("Kalvento.ini")), "[s]\r\nk=v\r\n");
}

TEST(IniFile, ReadsByTheRulesOfProfileFiles) {
  TempFolder folder;
  WriteBytes(folder / "a.ini", kSample);
  TIniFile ini(folder / "a.ini");
  EXPECT_EQ(ini.ReadString("PRINT", "title", ""), "  Parts list  ");
  EXPECT_EQ(ini.ReadString("Print", "Font", ""), "Arial");
  EXPECT_EQ(ini.ReadString("Print", "Size", ""), "10");
  EXPECT_EQ(ini.ReadString("Print", "Quote", ""), "\"half");
  EXPECT_EQ(ini.ReadString("Print", "Hidden", "-"), "-");
  EXPECT_EQ(ini.ReadString("Other", "K", ""), "\xE4\xF6\x80");

  TStringList list;
  ini.ReadSection("print", &list);
  EXPECT_EQ(LinesOf(list), (Lines{"Title", "Font", "Size", "Quote"}));
  ini.ReadSections(&list);
  EXPECT_EQ(LinesOf(list), (Lines{"Print", "other"}));
  ini.ReadSectionValues("other", &list);
  EXPECT_EQ(LinesOf(list), Lines{"k=\xE4\xF6\x80"});
}

TEST(IniFile, WritesKeepEveryOtherLineAndEndLinesWithCrLf) {
  TempFolder folder;
  WriteBytes(folder / "a.ini", kSample);
  TIniFile ini(folder / "a.ini");
  ini.WriteString("print", "Size", "12");
  ini.WriteString("Print", "New", "n");
  ini.WriteString("Third", "x", "\xFC");
  EXPECT_EQ(ReadBytes(folder / "a.ini"),
            "; settings\r\n"
            "[Print]\r\n"
            "  Title = \"  Parts list  \" \r\n"
            "Font='Arial'\r\n"
            "Size=12\r\n"
            "Quote=\"half\r\n"
            "; Hidden=1\r\n"
            "New=n\r\n"
            "\r\n"
            "[ other ]\r\n"
            "k=\xE4\xF6\x80\r\n"
            "\r\n"
            "[Third]\r\n"
            "x=\xFC\r\n");
}

TEST(IniFile, TypedValues) {
  TempFolder folder;
  TIniFile ini(folder / "t.ini");
  ini.WriteInteger("n", "i", -42);
  ini.WriteString("n", "hex", "0x1F");
  ini.WriteString("n", "text", "abc");
  ini.WriteBool("n", "yes", true);
  ini.WriteBool("n", "no", false);
  EXPECT_EQ(ini.ReadInteger("n", "i", 0), -42);
  EXPECT_EQ(ini.ReadInteger("n", "hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("n", "text", 7), 7);
  EXPECT_TRUE(ini.ReadBool("n", "yes", false));
  EXPECT_FALSE(ini.ReadBool("n", "no", true));
  EXPECT_EQ(ini.ReadString("n", "yes", ""), "1");

  char saved = DecimalSeparator;
  DecimalSeparator = ',';
  ini.WriteFloat("n", "f", 1.25);
  EXPECT_EQ(ini.ReadString("n", "f", ""), "1,25");
  EXPECT_DOUBLE_EQ(ini.ReadFloat("n", "f", 0), 1.25);
  DecimalSeparator = saved;
}

TEST(IniFile, EraseDeleteAndExists) {
  TempFolder folder;
  WriteBytes(folder / "e.ini", "[a]\nx=1\ny=2\n[Empty]\n[b]\nz=3\n[A]\nw=4\n");
  TIniFile ini(folder / "e.ini");
  EXPECT_TRUE(ini.SectionExists("A"));
  EXPECT_FALSE(ini.SectionExists("empty"));  // a section without names does not count
  EXPECT_TRUE(ini.ValueExists("a", "X"));
  EXPECT_FALSE(ini.ValueExists("a", "w"));  // the first section of a name counts
  ini.DeleteKey("A", "x");
  EXPECT_FALSE(ini.ValueExists("a", "x"));
  EXPECT_TRUE(ini.ValueExists("a", "y"));
  ini.EraseSection("a");
  EXPECT_FALSE(ini.SectionExists("a"));
  EXPECT_EQ(ReadBytes(folder / "e.ini"), "[Empty]\r\n[b]\r\nz=3\r\n");
}

TEST(IniFile, LineBreaksCannotAddSectionsOrKeys) {
  TempFolder folder;
  TIniFile ini(folder / "b.ini");
  ini.WriteString("s", "k", "first\r\n[evil]\r\nk=2");
  ini.WriteString("s\n[x]", "k2\r\nz", "v");
  TStringList sections;
  ini.ReadSections(&sections);
  EXPECT_EQ(LinesOf(sections), Lines{"s"});
  EXPECT_EQ(ini.ReadString("s", "k", ""), "first");
  EXPECT_EQ(ini.ReadString("s", "k2", ""), "v");
}

TEST(IniFile, ObjectsOnOneFileSeeEachOthersChanges) {
  TempFolder folder;
  TIniFile first(folder / "c.ini"), second(folder / "c.ini");
  first.WriteString("s", "a", "1");
  EXPECT_EQ(second.ReadString("s", "a", ""), "1");
  second.WriteString("s", "b", "2");
  first.WriteString("s", "c", "3");
  EXPECT_EQ(ReadBytes(folder / "c.ini"), "[s]\r\na=1\r\nb=2\r\nc=3\r\n");
  WriteBytes(folder / "c.ini", "[s]\na=changed outside\n");
  EXPECT_EQ(first.ReadString("s", "a", ""), "changed outside");
}

TEST(IniFile, ReplacingTheFileKeepsLinksAndPermissionsAndLeavesNoTemporaries) {
  TempFolder folder;
  std::string real = folder / "real.ini", link = folder / "link.ini";
  WriteBytes(real, "[s]\nk=1\n");
  ASSERT_EQ(chmod(real.c_str(), 0640), 0);
  ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
  TIniFile ini(link);
  ini.WriteString("s", "k", "2");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(real), "[s]\r\nk=2\r\n");
  struct stat st;
  ASSERT_EQ(stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  int entries = 0;
  for (auto& entry : std::filesystem::directory_iterator(folder.Path())) ++entries, (void)entry;
  EXPECT_EQ(entries, 2);
}

TEST(IniFile, AFileThatCannotBeWrittenThrows) {
  TempFolder folder;
  TIniFile ini(folder / "missing/folder.ini");
  EXPECT_THROW(ini.WriteString("s", "k", "v"), EIniFileException);
  EXPECT_EQ(ini.ReadString("s", "k", "none"), "none");
}

}  // namespace
