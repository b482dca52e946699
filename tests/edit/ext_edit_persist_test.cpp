// Persistence: the value goes to an INI file or the registry when the edit goes and comes
// back, checked as SetText checks it, at the next start; passwords are never kept.
#include <gtest/gtest.h>

#include <memory>

#include "components/edit/ExtEdit.h"
#include "full_disk_writers.h"
#include "locale_scope.h"
#include "message_log.h"
#include "platform/controls/forms.h"
#include "platform/core/inifile.h"
#include "platform/core/registry.h"
#include "temp_folder.h"

namespace {

class EditPersist : public testing::Test {
 protected:
  // An edit as a form resource makes it: set up while loading, then Loaded.
  std::unique_ptr<TExtEdit> Edit(const AnsiString& key, TExtEditType type = etString,
                                 TPersistenceLocation location = plInifile) {
    auto edit = std::make_unique<TExtEdit>(nullptr);
    edit->BeginLoading();
    edit->Name = "edtWert";
    edit->SetEditType(type);
    TPersistence* persistence = edit->GetPersistence();
    persistence->Enable = true;
    persistence->Key = key;
    persistence->Section = "Maske";
    persistence->Location = location;
    return edit;
  }
  static void Start(TExtEdit& edit) { TComponent::EndLoading(&edit); }

  ConfigHome home;
  AnsiString ini = home / "werte.ini";
};

TEST_F(EditPersist, RoundTripThroughAnIniFile) {
  {
    auto edit = Edit(ini);
    edit->SetPrefix("Nr ");
    edit->SetSuffix(" Stk");
    Start(*edit);
    edit->SetText("42");
  }
  EXPECT_EQ(TIniFile(ini).ReadString("Maske", "edtWert", ""), "Nr 42 Stk");
  auto edit = Edit(ini);
  edit->SetPrefix("Nr ");
  edit->SetSuffix(" Stk");
  Start(*edit);
  EXPECT_EQ(edit->GetText(), "42");
  EXPECT_EQ(edit->TControl::GetText(), "Nr 42 Stk");
}

// A value that cannot be saved is said in a message box as the edit goes; the values saved
// before stay.
TEST_F(EditPersist, AFullDiskKeepsTheValuesSavedBefore) {
  MessageLog log;
  ExpectFullDiskKeepsOldFiles({
      {"the edit's value", "werte.ini", "[Maske]\r\nedtWert=alt\r\n",
       [&](const std::string& path) {
         log.texts.clear();
         {
           auto edit = Edit(path);
           Start(*edit);
           edit->SetText("neu");
         }
         // The exception's message, as the application shows one, ends in a full stop.
         const std::vector<AnsiString> expected{"Unable to write to " + path + "."};
         return testing::AssertionResult(log.texts == expected) << "shown: " << log.texts.size();
       }},
  });
}

// A stored text used to become the window text as it was, "abc" in a numeric edit too.
TEST_F(EditPersist, StoredTextPassesTheTypeCheck) {
  TIniFile(ini).WriteString("Maske", "edtWert", "abc");
  auto numeric = Edit(ini, etNumeric);
  Start(*numeric);
  EXPECT_EQ(numeric->GetText(), "0");
}

TEST_F(EditPersist, PasswordsAreNeitherSavedNorLoaded) {
  {
    auto edit = Edit(ini, etPassword);
    Start(*edit);
    edit->SetText("geheim");
  }
  EXPECT_FALSE(TIniFile(ini).ValueExists("Maske", "edtWert"));
  TIniFile(ini).WriteString("Maske", "edtWert", "untergeschoben");
  auto edit = Edit(ini, etPassword);
  Start(*edit);
  EXPECT_EQ(edit->GetText(), "");
}

TEST_F(EditPersist, MissingEntryLeavesTheText) {
  auto edit = Edit(ini);
  edit->SetText("vorher");
  Start(*edit);
  EXPECT_EQ(edit->GetText(), "vorher");
}

// The program's own folder is read-only once installed: the file named after the program
// lies in the user's configuration folder.
TEST_F(EditPersist, EmptyKeyNamesAFileAfterTheProgramInTheConfigFolder) {
  {
    auto edit = Edit("");
    Start(*edit);
    edit->SetText("Wert");
  }
  EXPECT_NE(ReadBytes(home.Kalvento("edit_tests.INI")).find("edtWert=Wert"), std::string::npos);
  auto edit = Edit("");
  Start(*edit);
  EXPECT_EQ(edit->GetText(), "Wert");
}

TEST_F(EditPersist, RoundTripThroughTheRegistry) {
  LocaleScope german(kGerman);
  {
    auto edit = Edit("Software\\Kalvento", etMoney, plRegistry);
    edit->SetPrecision(2);
    Start(*edit);
    edit->SetFloat(12.5);
  }
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\Software\\Kalvento\\Maske", false));
  EXPECT_EQ(registry.ReadString("edtWert"), "12,50");
  auto edit = Edit("Software\\Kalvento", etMoney, plRegistry);
  edit->SetPrecision(2);
  Start(*edit);
  EXPECT_DOUBLE_EQ(edit->GetFloat(), 12.5);
}

TEST_F(EditPersist, UnwritableFileIsReportedAndTheEditGoes) {
  MessageLog log;
  {
    auto edit = Edit(home / "fehlt/werte.ini");
    Start(*edit);
    edit->SetText("Wert");
  }
  EXPECT_EQ(log.texts.size(), 1u);
}

}  // namespace
