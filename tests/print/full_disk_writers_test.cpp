// The printer settings file on a full disk: the save answers 3 and the settings saved before
// stay as they were.
#include "full_disk_writers.h"
#include "printset_fixture.h"

namespace {

TEST_F(PrintSetTest, TheSettingsFileOnAFullDiskKeepsTheLastGoodOne) {
  TXPrintSet set(nullptr);
  ExpectFullDiskKeepsOldFiles({
      {"TCurrentSettings::SaveToFile", "drucker.xps", "",
       [&](const std::string& path) {
         const int result = set.GetCurrentSettings()->SaveToFile(path);
         return testing::AssertionResult(result == 3) << "answered " << result;
       }},
  });
}

}  // namespace
