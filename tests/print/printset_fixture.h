// The printer settings component's tests run on two virtual printers of known abilities in
// place of the machine's, each writing its own PDF file:
// "Office": A4 default, 600 dpi; papers Letter, Legal, A4, A5 and one with a long name; trays
//   15 (automatic), 1 and 2; resolutions 300, 600 and 1200 x 600; up to 99 copies, duplex,
//   colour.
// "Mono": US Letter default, 300 dpi; papers Letter and Legal only; tray 1 only; no list of
//   resolutions; up to 5 copies, no duplex, no colour.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "components/print/XPrnSet2.h"
#include "message_log.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"
#include "temp_folder.h"

inline const AnsiString kLongPaperName = "Endlospapier mit Lochrand beidseitig 240 mm";

class PrintSetTest : public testing::Test {
 protected:
  void SetUp() override {
    office_ = std::make_shared<TVirtualPrinter>("Office", 600, TSize{2100, 2970});
    TPrintDeviceInfo office;
    office.Papers = {{1, "Letter", {2159, 2794}},
                     {5, "Legal", {2159, 3556}},
                     {9, "A4", {2100, 2970}},
                     {11, "A5", {1480, 2100}},
                     {300, kLongPaperName, {2400, 3048}}};
    office.DefaultPaper = 9;
    office.Trays = {{15, "Automatisch"}, {1, "Oben"}, {2, "Unten"}};
    office.Resolutions = {{300, 300}, {600, 600}, {1200, 600}};
    office.MaxCopies = 99;
    office.Duplex = true;
    office.Color = true;
    office.MinExtent = {900, 1300};
    office.MaxExtent = {3300, 5000};
    office_->SetInfo(office);

    mono_ = std::make_shared<TVirtualPrinter>("Mono", 300, TSize{2159, 2794});
    TPrintDeviceInfo mono;
    mono.Papers = {{1, "Letter", {2159, 2794}}, {5, "Legal", {2159, 3556}}};
    mono.DefaultPaper = 1;
    mono.Trays = {{1, "Schacht 1"}};
    mono.MaxCopies = 5;
    mono.Duplex = false;
    mono.Color = false;
    mono_->SetInfo(mono);

    office_->FileName = folder_ / "office.pdf";
    mono_->FileName = folder_ / "mono.pdf";
    SetInstalledPrinters({office_, mono_}, 0);
  }
  void TearDown() override { SetInstalledPrinters({}); }

  // Counts the events by name, with their senders.
  void Watch(TXPrintSet& set) {
    set.OnErrorReadSettings = [this](TObject* s) { Record("read", s); };
    set.OnErrorWriteSettings = [this](TObject* s) { Record("write", s); };
    set.OnNoPrinterAvailable = [this](TObject* s) { Record("none", s); };
    set.OnPrinterChanged = [this](TObject* s) { Record("changed", s); };
  }
  void Record(const char* name, TObject* sender) {
    events_.push_back(name);
    senders_.push_back(sender);
  }

  TempFolder folder_;
  std::shared_ptr<TVirtualPrinter> office_;
  std::shared_ptr<TVirtualPrinter> mono_;
  std::vector<AnsiString> events_;
  std::vector<TObject*> senders_;
};
