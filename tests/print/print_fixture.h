// The printing component's tests print on virtual printers in place of the machine's:
// "Letter300" (300 dpi, US Letter, no unprintable edge) and "Letter600" (600 dpi, US Letter,
// edges of 6 and 9 points: 50 and 75 dots), each writing its own PDF file in a temporary folder.
// Letter is 8.5 x 11 inches, whole points, so its dots are exact: 2550 x 3300 at 300 dpi.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "components/print/XPrinter.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"
#include "temp_folder.h"

constexpr TSize kLetter{2159, 2794};

class PrintTest : public testing::Test {
 protected:
  void SetUp() override {
    low_ = std::make_shared<TVirtualPrinter>("Letter300", 300, kLetter);
    high_ = std::make_shared<TVirtualPrinter>("Letter600", 600, kLetter, TSize{50, 75});
    low_->FileName = Low();
    high_->FileName = High();
    SetInstalledPrinters({low_, high_}, 0);
  }
  void TearDown() override { SetInstalledPrinters({}); }

  std::string Low() const { return folder_ / "low.pdf"; }
  std::string High() const { return folder_ / "high.pdf"; }
  // Adds a printer of another resolution as the last one and returns its index.
  int AddPrinter(int dpi) {
    auto extra = std::make_shared<TVirtualPrinter>("Extra", dpi, kLetter);
    extra->FileName = folder_ / "extra.pdf";
    SetInstalledPrinters({low_, high_, extra}, 0);
    return 2;
  }

  TempFolder folder_;
  std::shared_ptr<TVirtualPrinter> low_;
  std::shared_ptr<TVirtualPrinter> high_;
};
