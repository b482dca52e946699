#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/core/global_memory.h"
#include "platform/core/os_version.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"
#include "platform/winapi/winspool.h"

namespace {

// One printer of known abilities: A4 and A5 (numbered 9 and 11), two trays, two resolutions.
class DeviceModeTest : public testing::Test {
 protected:
  void SetUp() override {
    printer_ = std::make_shared<TVirtualPrinter>("Known", 300, TSize{2100, 2970});
    TPrintDeviceInfo info;
    info.Papers = {{9, "A4", {2100, 2970}}, {11, "A5", {1480, 2100}}};
    info.DefaultPaper = 9;
    info.Trays = {{7, "Auto"}, {260, "Fach mit sehr langem Namen 123"}};
    info.Resolutions = {{300, 300}, {600, 1200}};
    info.MaxCopies = 42;
    info.Duplex = true;
    info.MinExtent = {1000, 1500};
    info.MaxExtent = {2970, 4200};
    printer_->SetInfo(info);
    SetInstalledPrinters({printer_}, 0);
  }
  void TearDown() override { SetInstalledPrinters({}); }

  std::shared_ptr<TVirtualPrinter> printer_;
};

TEST_F(DeviceModeTest, DeviceCapabilitiesAnswerCountsAndFillBuffers) {
  EXPECT_EQ(DeviceCapabilitiesA("Known", "", DC_COPIES, nullptr, nullptr), 42);
  EXPECT_EQ(DeviceCapabilitiesA("Known", "", DC_DUPLEX, nullptr, nullptr), 1);
  EXPECT_EQ(DeviceCapabilitiesA("Known", "", DC_ORIENTATION, nullptr, nullptr), 90);
  EXPECT_EQ(DeviceCapabilitiesA("Known", "", DC_MAXEXTENT, nullptr, nullptr), 4200 << 16 | 2970);
  EXPECT_EQ(DeviceCapabilitiesA("Nobody", "", DC_COPIES, nullptr, nullptr), -1);
  EXPECT_EQ(DeviceCapabilitiesA("Known", "", 999, nullptr, nullptr), -1);

  ASSERT_EQ(DeviceCapabilitiesA("Known", "", DC_PAPERS, nullptr, nullptr), 2);
  uint16_t papers[2];
  DeviceCapabilitiesA("Known", "", DC_PAPERS, reinterpret_cast<char*>(papers), nullptr);
  EXPECT_EQ(papers[1], 11);
  POINT sizes[2];
  DeviceCapabilitiesA("Known", "", DC_PAPERSIZE, reinterpret_cast<char*>(sizes), nullptr);
  EXPECT_EQ(sizes[1], TPoint(1480, 2100));
  char names[2 * 64];
  DeviceCapabilitiesA("Known", "", DC_PAPERNAMES, names, nullptr);
  EXPECT_STREQ(names + 64, "A5");
  // A tray name that fills its 24 characters has no terminating NUL.
  char trays[2 * 24];
  EXPECT_EQ(DeviceCapabilitiesA("Known", "", DC_BINNAMES, trays, nullptr), 2);
  EXPECT_EQ(std::string(trays + 24, 24), "Fach mit sehr langem Nam");
  int32_t resolutions[4];
  DeviceCapabilitiesA("Known", "", DC_ENUMRESOLUTIONS, reinterpret_cast<char*>(resolutions),
                      nullptr);
  EXPECT_EQ(resolutions[3], 1200);
}

TEST_F(DeviceModeTest, DocumentPropertiesGiveThePrintersOwnDeviceMode) {
  EXPECT_EQ(DocumentPropertiesA(nullptr, nullptr, "Known", nullptr, nullptr, 0), 156);
  EXPECT_LT(DocumentPropertiesA(nullptr, nullptr, "Nobody", nullptr, nullptr, 0), 0);
  Printer()->SetOrientation(poLandscape);  // the program's setup is not the printer's own
  DEVMODEA mode{};
  ASSERT_EQ(DocumentPropertiesA(nullptr, nullptr, "Known", &mode, nullptr, DM_OUT_BUFFER), 1);
  EXPECT_STREQ(mode.dmDeviceName, "Known");
  EXPECT_EQ(mode.dmSize, 156);
  EXPECT_EQ(mode.dmOrientation, DMORIENT_PORTRAIT);
  EXPECT_EQ(mode.dmPaperSize, 9);
  EXPECT_STREQ(mode.dmFormName, "A4");
  EXPECT_EQ(mode.dmDefaultSource, 7);
  EXPECT_EQ(mode.dmPrintQuality, 300);
  EXPECT_EQ(mode.dmColor, DMCOLOR_COLOR);
}

TEST_F(DeviceModeTest, ThePrinterTakesTheMembersADeviceModeSets) {
  AnsiString device, driver, port;
  HGLOBAL handle = nullptr;
  Printer()->GetPrinter(device, driver, port, handle);
  EXPECT_EQ(device, "Known");
  ASSERT_EQ(GlobalSize(handle), 156u);
  auto* mode = static_cast<DEVMODEA*>(GlobalLock(handle));
  mode->dmFields = DM_PAPERSIZE | DM_COPIES | DM_DUPLEX | DM_PRINTQUALITY | DM_YRESOLUTION;
  mode->dmPaperSize = 11;
  mode->dmCopies = 7;
  mode->dmDuplex = DMDUP_VERTICAL;
  mode->dmPrintQuality = 600;
  mode->dmYResolution = 1200;
  mode->dmOrientation = DMORIENT_LANDSCAPE;  // not flagged: not taken
  GlobalUnlock(handle);
  Printer()->SetPrinter(device, driver, port, handle);
  const TPrintSetup& setup = Printer()->GetSetup();
  EXPECT_EQ(setup.Paper, TSize(1480, 2100));
  EXPECT_EQ(setup.PaperNumber, 11);
  EXPECT_EQ(setup.Copies, 7);
  EXPECT_EQ(setup.Duplex, pdLongEdge);
  EXPECT_EQ(setup.Resolution, 600);
  EXPECT_EQ(setup.ResolutionY, 1200);
  EXPECT_EQ(setup.Orientation, poPortrait);

  // A block of the program's own becomes the printer's; one too short for a member leaves it.
  HGLOBAL own = GlobalAlloc(GHND, 50);
  auto* part = static_cast<DEVMODEA*>(GlobalLock(own));
  part->dmSize = 156;
  part->dmFields = DM_ORIENTATION | DM_COPIES;
  part->dmOrientation = DMORIENT_LANDSCAPE;
  GlobalUnlock(own);
  Printer()->SetPrinter("Known", "", "", own);
  EXPECT_EQ(Printer()->GetOrientation(), poLandscape);
  EXPECT_EQ(Printer()->GetCopies(), 7);
  EXPECT_THROW(Printer()->SetPrinter("Nobody", "", "", nullptr), EPrinter);
}

// Extents beyond what 16 bits hold stop there instead of wrapping to a small paper.
TEST_F(DeviceModeTest, ExtentsAreCappedAtSixteenBits) {
  TPrintDeviceInfo info = printer_->Info();
  const struct {
    TSize extent;
    int packed;
  } cases[] = {{{352778, 352778}, 0x7FFF << 16 | 0x7FFF},
               {{2970, 100000}, 0x7FFF << 16 | 2970},
               {{32767, 4200}, 4200 << 16 | 32767}};
  for (const auto& c : cases) {
    info.MaxExtent = c.extent;
    printer_->SetInfo(info);
    EXPECT_EQ(DeviceCapabilitiesA("Known", "", DC_MAXEXTENT, nullptr, nullptr), c.packed)
        << c.extent.cx << " x " << c.extent.cy;
  }
}

// Letter and ANSI A share paper number 1 and their size; the form's name tells which.
TEST_F(DeviceModeTest, PapersThatShareANumberAreToldApartByName) {
  TPrintDeviceInfo info = printer_->Info();
  info.Papers = {{1, "Letter", {2159, 2794}}, {1, "ANSI A", {2159, 2794}}, {9, "A4", {2100, 2970}}};
  info.DefaultPaper = 1;
  info.DefaultPaperName = "ANSI A";
  printer_->SetInfo(info);
  TPrintSetup setup;
  setup.PaperNumber = 1;
  setup.PaperName = "ANSI A";
  DEVMODEA mode = DevModeOf(*printer_, setup);
  EXPECT_STREQ(mode.dmFormName, "ANSI A");
  TPrintSetup a4;
  a4.PaperNumber = 9;
  for (const char* name : {"Letter", "ANSI A"}) {
    std::strcpy(mode.dmFormName, name);
    TPrintSetup taken = a4;
    ApplyDevMode(*printer_, &mode, sizeof mode, taken);
    EXPECT_EQ(taken.PaperName, name);
  }
  // The printer's own paper handed back to a setup that leaves it changes nothing: the setup
  // keeps leaving it to the printer.
  TPrintSetup untouched;
  ApplyDevMode(*printer_, &mode, sizeof mode, untouched);
  EXPECT_EQ(untouched.PaperNumber, 0);
  EXPECT_TRUE(untouched.PaperName.empty());
  // Without a form name the first of the number stands; a setup without paper gets the own.
  mode.dmFields &= ~DM_FORMNAME;
  TPrintSetup taken = a4;
  ApplyDevMode(*printer_, &mode, sizeof mode, taken);
  EXPECT_EQ(taken.PaperName, "Letter");
  EXPECT_EQ(WithOwnDefaults(info, TPrintSetup()).PaperName, "ANSI A");
}

// What a setup leaves at 0 becomes the printer's own; what it sets stays.
TEST_F(DeviceModeTest, ASetupTakesThePrintersOwnPaperTrayAndResolution) {
  TPrintDeviceInfo info = printer_->Info();
  info.DefaultTray = 260;
  info.DefaultResolution = {600, 1200};
  TPrintSetup own = WithOwnDefaults(info, TPrintSetup());
  EXPECT_EQ(own.PaperNumber, 9);
  EXPECT_EQ(own.Paper, TSize(2100, 2970));
  EXPECT_EQ(own.Tray, 260);
  EXPECT_EQ(own.Resolution, 600);
  EXPECT_EQ(own.ResolutionY, 1200);
  TPrintSetup chosen;
  chosen.Paper = {1480, 2100};
  chosen.Tray = 7;
  chosen.Resolution = 300;
  TPrintSetup kept = WithOwnDefaults(info, chosen);
  EXPECT_EQ(kept.Paper, chosen.Paper);
  EXPECT_EQ(kept.Tray, 7);
  EXPECT_EQ(kept.Resolution, 300);
  // Without an own resolution the first listed stands.
  info.DefaultResolution = {};
  EXPECT_EQ(WithOwnDefaults(info, TPrintSetup()).Resolution, 300);
}

TEST(GlobalMemoryTest, BlocksKeepTheirHandleAndBytes) {
  HGLOBAL block = GlobalAlloc(GHND, 4);
  std::memcpy(GlobalLock(block), "abcd", 4);
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_EQ(GlobalReAlloc(block, 8, GHND), block);
  auto* bytes = static_cast<const char*>(GlobalLock(block));
  EXPECT_EQ(std::string(bytes, 8), std::string("abcd\0\0\0\0", 8));
  GlobalUnlock(block);
  EXPECT_EQ(GlobalFree(block), nullptr);
  EXPECT_EQ(GlobalLock(nullptr), nullptr);
  EXPECT_EQ(GlobalSize(nullptr), 0u);
}

TEST(OsVersionTest, ThisIsTheNtPlatform) {
  OSVERSIONINFOA info;
  ASSERT_TRUE(GetVersionExA(&info));
  EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
  info.dwOSVersionInfoSize = 12;
  EXPECT_FALSE(GetVersionExA(&info));
}

}  // namespace

namespace {

TEST(VirtualPrinterInfoTest, ListsTheCommonPapersAndItsOwnAsDefault) {
  TVirtualPrinter a4("A4", 600);
  const TPrintDeviceInfo& info = a4.Info();
  EXPECT_EQ(info.DefaultPaper, DMPAPER_A4);
  ASSERT_NE(FindPaper(info, DMPAPER_LETTER), nullptr);
  EXPECT_EQ(FindPaper(info, DMPAPER_LETTER)->Size, TSize(2159, 2794));
  EXPECT_EQ(info.Resolutions, std::vector<TSize>{TSize(600, 600)});
  EXPECT_EQ(info.MaxCopies, 1);
  ASSERT_EQ(info.Trays.size(), 1u);
  EXPECT_EQ(info.Trays[0].Number, DMBIN_FORMSOURCE);
  // A paper no common size matches is listed under a number of its own.
  TVirtualPrinter odd("Odd", 300, TSize{1234, 2345});
  const TPaperInfo* own = FindPaper(odd.Info(), odd.Info().DefaultPaper);
  ASSERT_NE(own, nullptr);
  EXPECT_GT(own->Number, DMPAPER_USER);
  EXPECT_EQ(own->Size, TSize(1234, 2345));
}

}  // namespace
