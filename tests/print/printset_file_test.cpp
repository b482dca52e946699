#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

using namespace std::string_literals;

#include "printset_fixture.h"

namespace {

std::string Bytes(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const std::string& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

uint16_t U16(const std::string& bytes, size_t at) {
  return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8;
}

class SettingsFileTest : public PrintSetTest {
 protected:
  // A file saved from Mono with 3 copies in landscape, while the component stays on Office.
  std::string SavedMono(TXPrintSet& set) {
    set.SetCurrentPrinter(1);
    set.GetCurrentSettings()->SetCopies(3);
    set.GetCurrentSettings()->SetOrientation(poLandscape);
    std::string file = folder_ / "mono.xps";
    EXPECT_EQ(set.GetCurrentSettings()->SaveToFile(file), 0);
    set.SetCurrentPrinter(0);
    return file;
  }
};

TEST_F(SettingsFileTest, HeaderNameAndDeviceModeStandAtTheirOffsets) {
  TXPrintSet set(nullptr);
  std::string bytes = Bytes(SavedMono(set));
  ASSERT_EQ(bytes.size(), 164u + 156u);
  EXPECT_EQ(bytes.substr(0, 32), std::string("XPrintSet Printer Settings\0\0\0\0\0\0", 32));
  EXPECT_EQ(bytes.substr(32, 4), std::string("\1\0\0\0", 4));
  EXPECT_EQ(bytes.substr(36, 5), "\x04Mono");
  EXPECT_EQ(bytes.substr(41, 123), std::string(123, '\0'));  // zero after a settings read
  EXPECT_EQ(bytes.substr(164, 5), "Mono\0"s);                // dmDeviceName
  EXPECT_EQ(U16(bytes, 164 + 36), 156);                       // dmSize
  EXPECT_EQ(U16(bytes, 164 + 38), 0);                         // dmDriverExtra
  EXPECT_EQ(U16(bytes, 164 + 44), DMORIENT_LANDSCAPE);        // dmOrientation
  EXPECT_EQ(U16(bytes, 164 + 54), 3);                         // dmCopies
}

TEST_F(SettingsFileTest, LoadingChoosesTheFilesPrinterAndAppliesIt) {
  TXPrintSet set(nullptr);
  std::string file = SavedMono(set);
  Watch(set);
  EXPECT_EQ(Printer()->GetCopies(), 1);
  EXPECT_EQ(set.GetCurrentSettings()->LoadFromFile(file), 0);
  EXPECT_EQ(set.GetCurrentPrinter(), 1);
  EXPECT_EQ(Printer()->GetCopies(), 3);
  EXPECT_EQ(Printer()->GetOrientation(), poLandscape);
  EXPECT_EQ(set.GetCurrentSettings()->GetCopies(), 3);
  ASSERT_EQ(events_, std::vector<AnsiString>{"changed"});
  EXPECT_EQ(senders_[0], set.GetCurrentSettings());
  // Loaded again on the same printer: nothing to tell.
  EXPECT_EQ(set.GetCurrentSettings()->LoadFromFile(file), 0);
  EXPECT_EQ(events_.size(), 1u);
}

TEST_F(SettingsFileTest, EachFaultHasItsResult) {
  TXPrintSet set(nullptr);
  TCurrentSettings* current = set.GetCurrentSettings();
  std::string good = Bytes(SavedMono(set));
  std::string file = folder_ / "bad.xps";
  auto loadOf = [&](const std::string& bytes) {
    Write(file, bytes);
    return current->LoadFromFile(file);
  };
  EXPECT_EQ(current->SaveToFile(""), 1);
  EXPECT_EQ(current->LoadFromFile(""), 1);
  EXPECT_EQ(current->SaveToFile(folder_ / "no/such/folder.xps"), 3);
  EXPECT_EQ(current->LoadFromFile(folder_ / "missing.xps"), 4);
  EXPECT_EQ(loadOf(good.substr(0, 20)), 5);
  EXPECT_EQ(loadOf("Not a settings file at all, but long enough to hold a header."), 6);
  std::string format = good;
  format[32] = 2;
  EXPECT_EQ(loadOf(format), 6);
  EXPECT_EQ(loadOf(good.substr(0, 164 + 100)), 5);  // cut inside the device mode
  std::string longName = good;
  longName[36] = static_cast<char>(200);
  EXPECT_EQ(loadOf(longName), 6);
  std::string huge = good;
  huge[164 + 38] = static_cast<char>(0xFF);  // dmDriverExtra 0x20FF: beyond the record
  huge[164 + 39] = 0x20;
  EXPECT_EQ(loadOf(huge), 5);
  std::string extra = good;
  extra[164 + 38] = 8;  // claims 8 bytes of private data the file lacks
  EXPECT_EQ(loadOf(extra), 5);
  std::string stranger = good;
  stranger.replace(37, 4, "Nemo");
  EXPECT_EQ(loadOf(stranger), 7);
  // Nothing of the refused files reached the printer.
  EXPECT_EQ(set.GetCurrentPrinter(), 0);
  EXPECT_EQ(Printer()->GetCopies(), 1);
  // A printer in the middle of a job refuses the settings.
  Printer()->BeginDoc();
  EXPECT_EQ(loadOf(good), 8);
  Printer()->Abort();
}

TEST_F(SettingsFileTest, PrivateDataTravelsWithTheDeviceMode) {
  TXPrintSet set(nullptr);
  std::string bytes = Bytes(SavedMono(set));
  bytes[164 + 38] = 4;  // dmDriverExtra
  bytes += "\x01\x02\x03\x04";
  std::string file = folder_ / "extra.xps";
  Write(file, bytes);
  TCurrentSettings* current = set.GetCurrentSettings();
  EXPECT_EQ(current->LoadFromFile(file), 0);
  EXPECT_EQ(current->GetDevModeSize(), 160);
  EXPECT_EQ(std::memcmp(current->GetRecord().DriverData, "\x01\x02\x03\x04", 4), 0);
  std::string again = folder_ / "again.xps";
  EXPECT_EQ(current->SaveToFile(again), 0);
  EXPECT_EQ(Bytes(again), bytes);
}

TEST_F(SettingsFileTest, AFailedSaveLeavesWhatStoodThere) {
  TXPrintSet set(nullptr);
  std::string file = SavedMono(set);
  std::string before = Bytes(file);
  // A folder in the file's place cannot be replaced.
  std::string folder = folder_ / "taken.xps";
  std::filesystem::create_directory(folder);
  EXPECT_EQ(set.GetCurrentSettings()->SaveToFile(folder), 3);
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(Bytes(file), before);
}

}  // namespace
