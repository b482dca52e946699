#include <gtest/gtest.h>

#include <fstream>

#include "platform/controls/shell.h"
#include "platform/core/sound.h"
#include "temp_folder.h"

namespace {

class Shell : public testing::Test {
 protected:
  void SetUp() override {
    previous = SetShellOpenHook([this](const AnsiString& target) {
      opened.push_back(target);
      return true;
    });
  }
  void TearDown() override { SetShellOpenHook(previous); }

  ShellOpenHook previous;
  std::vector<AnsiString> opened;
};

TEST_F(Shell, OpensADocumentOfTheGivenFolderOrTheWorkingOne) {
  TempFolder folder;
  std::ofstream(folder.Path() + "/Kalvento - Hilfe.pdf") << "%PDF";
  HINSTANCE result = ShellExecuteA(nullptr, "open", "Kalvento - Hilfe.pdf", nullptr,
                                   folder.Path().c_str(), SW_SHOWDEFAULT);
  EXPECT_GT(result, 32);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], folder.Path() + "/Kalvento - Hilfe.pdf");

  EXPECT_EQ(ShellExecuteA(nullptr, "open", "fehlt.pdf", nullptr, folder.Path().c_str(), 1),
            SE_ERR_FNF);
  EXPECT_EQ(opened.size(), 1u);
}

TEST_F(Shell, OpensAddressesAsTheyAre) {
  EXPECT_GT(ShellExecuteA(nullptr, nullptr, "https://www.example.com/a?b=c", nullptr, nullptr,
                          SW_SHOWNORMAL), 32);
  EXPECT_EQ(ShellExecuteA(nullptr, "print", "https://www.example.com", nullptr, nullptr, 1),
            SE_ERR_NOASSOC);
  EXPECT_EQ(opened, std::vector<AnsiString>{"https://www.example.com/a?b=c"});
}

TEST(Sound, BeepsGoThroughTheHook) {
  std::vector<unsigned> beeps;
  BeepHook previous = SetBeepHook([&](unsigned type) { beeps.push_back(type); });
  MessageBeep(0);
  Beep();
  MessageBeep(0x30);
  SetBeepHook(previous);
  EXPECT_EQ(beeps, (std::vector<unsigned>{0, 0, 0x30}));
}

}  // namespace
