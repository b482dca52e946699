#include <gtest/gtest.h>

#include "platform/core/registry.h"
#include "list_lines.h"
#include "temp_folder.h"

namespace {

TEST(Registry, KeysAreSectionsOfOneFile) {
  ConfigHome home;
  TRegistry reg;
  EXPECT_FALSE(reg.OpenKey("Software\\Kalvento", false));
  EXPECT_TRUE(reg.OpenKey("Software\\Kalvento", true));
  reg.WriteString("Name", "  \"quoted\" and blank  ");
  reg.WriteInteger("Count", 42);
  EXPECT_EQ(ReadBytes(home.Kalvento("registry.ini")),
            "[HKEY_CURRENT_USER\\Software\\Kalvento]\r\n"
            "Name=\"  \"quoted\" and blank  \"\r\n"
            "Count=42\r\n");
  EXPECT_EQ(reg.ReadString("name"), "  \"quoted\" and blank  ");
  EXPECT_EQ(reg.ReadInteger("COUNT"), 42);
  EXPECT_EQ(reg.GetCurrentPath(), "Software\\Kalvento");

  TRegistry other;
  EXPECT_TRUE(other.KeyExists("\\software\\KALVENTO"));
  EXPECT_TRUE(other.KeyExists("Software"));
  EXPECT_FALSE(other.KeyExists("Soft"));
  other.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(other.KeyExists("Software\\Kalvento"));
}

TEST(Registry, ValuesAndTheirFailures) {
  ConfigHome home;
  TRegistry reg;
  EXPECT_THROW(reg.WriteString("x", "y"), ERegistryException);  // no key open
  EXPECT_EQ(reg.ReadString("x"), "");
  ASSERT_TRUE(reg.OpenKey("\\A", true));
  reg.WriteBool("On", true);
  reg.WriteString("Text", "abc");
  EXPECT_TRUE(reg.ReadBool("on"));
  EXPECT_TRUE(reg.ValueExists("TEXT"));
  EXPECT_EQ(reg.ReadString("missing"), "");
  EXPECT_THROW(reg.ReadInteger("missing"), ERegistryException);
  EXPECT_THROW(reg.ReadInteger("Text"), ERegistryException);
  EXPECT_TRUE(reg.DeleteValue("text"));
  EXPECT_FALSE(reg.DeleteValue("text"));
  EXPECT_FALSE(reg.ValueExists("Text"));
}

TEST(Registry, AStoreThatCannotBeWrittenCreatesNoKeys) {
  ConfigHome home;
  WriteBytes(home / "kalvento", "a file where the folder should be");
  TRegistry reg;
  EXPECT_FALSE(reg.OpenKey("Software", true));
  TRegistryIniFile ini("Software");
  EXPECT_THROW(ini.WriteString("s", "k", "v"), ERegistryException);
}

TEST(Registry, RelativePathsDeletionAndListing) {
  ConfigHome home;
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Top", true));
  ASSERT_TRUE(reg.OpenKey("Mid\\Low", true));  // below the open key
  EXPECT_EQ(reg.GetCurrentPath(), "Top\\Mid\\Low");
  reg.WriteInteger("v", 1);
  ASSERT_TRUE(reg.OpenKey("\\Top\\Other", true));
  reg.WriteInteger("w", 2);
  reg.WriteInteger("u", 3);

  TStringList names;
  reg.GetValueNames(&names);
  EXPECT_EQ(LinesOf(names), (Lines{"w", "u"}));
  ASSERT_TRUE(reg.OpenKey("\\Top", false));
  reg.GetKeyNames(&names);
  EXPECT_EQ(LinesOf(names), (Lines{"Mid", "Other"}));

  ASSERT_TRUE(reg.OpenKey("Mid\\Low", false));
  EXPECT_TRUE(reg.DeleteKey("\\Top\\Mid"));
  EXPECT_EQ(reg.GetCurrentPath(), "");  // the open key went with it
  EXPECT_FALSE(reg.KeyExists("\\Top\\Mid\\Low"));
  EXPECT_TRUE(reg.KeyExists("\\Top\\Other"));
  EXPECT_FALSE(reg.DeleteKey("\\Top\\Mid"));
}

TEST(Registry, IniViewOfAKey) {
  ConfigHome home;
  {
    TRegistryIniFile ini("Software\\Kalvento\\Grid");
    ini.WriteInteger("Columns", "Col0", 64);
    ini.WriteString("Columns", "Name", " x ");
    ini.WriteBool("Flags", "Save", true);
  }
  TRegistryIniFile ini("Software\\Kalvento\\Grid");
  EXPECT_EQ(ini.ReadInteger("columns", "col0", 10), 64);
  EXPECT_EQ(ini.ReadInteger("columns", "Col1", 10), 10);
  EXPECT_EQ(ini.ReadString("Columns", "Name", ""), " x ");
  EXPECT_TRUE(ini.ReadBool("Flags", "Save", false));
  EXPECT_EQ(ini.ReadString("Nothing", "Name", "default"), "default");

  TStringList list;
  ini.ReadSections(&list);
  EXPECT_EQ(LinesOf(list), (Lines{"Columns", "Flags"}));
  ini.ReadSectionValues("Columns", &list);
  EXPECT_EQ(LinesOf(list), (Lines{"Col0=64", "Name= x "}));
  ini.DeleteKey("Columns", "Name");
  EXPECT_FALSE(ini.ValueExists("Columns", "Name"));
  ini.EraseSection("Columns");
  EXPECT_FALSE(ini.SectionExists("Columns"));
  ini.EraseSection("");
  EXPECT_TRUE(ini.SectionExists("Flags"));

  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Software\\Kalvento\\Grid\\Flags", false));
  EXPECT_EQ(reg.ReadInteger("Save"), 1);
}

}  // namespace
