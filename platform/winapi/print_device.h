// The printers the layer prints on. A TPrintDevice is one printer: what it can do, the page
// it gives for a setup, and how a job runs on it. The layer offers the printers CUPS knows
// and after them a PDF printer, so a user without a printer still gets the pages; tests put
// printers of their own in that place (virtual_printer.h).
#pragma once

#include <memory>
#include <vector>

#include "platform/core/set.h"
#include "platform/core/text.h"
#include "platform/graphics/canvas.h"

enum TPrinterOrientation { poPortrait, poLandscape };
enum TPrinterCapability { pcCopies, pcOrientation, pcCollation };
using TPrinterCapabilities = Set<TPrinterCapability>;

// What a job asks of the printer. A paper or resolution of 0 leaves the printer's own.
struct TPrintSetup {
  TPrinterOrientation Orientation = poPortrait;
  int Copies = 1;
  bool Collate = false;
  TSize Paper;         // tenths of a millimetre, portrait
  int Resolution = 0;  // dots per inch
  AnsiString Title;
};

// A job running on a printer; its canvas draws on the current page. Freeing a job that has
// not ended aborts it.
class TPrintJob {
 public:
  virtual ~TPrintJob() = default;
  virtual bool NewPage() = 0;
  virtual bool End() = 0;  // false when the output could not be completed
  virtual void Abort() = 0;
};

class TPrintDevice {
 public:
  virtual ~TPrintDevice() = default;
  virtual AnsiString Name() const = 0;
  virtual TPrinterCapabilities Capabilities() const = 0;
  // The page this setup gives: resolution, paper and printable area in device pixels.
  virtual TDeviceCaps Caps(const TPrintSetup& setup) const = 0;
  // Starts a job with the canvas on its first page; null when the printer refuses it.
  virtual std::unique_ptr<TPrintJob> Start(TCanvas& canvas, const TPrintSetup& setup) = 0;
};

using TPrintDevices = std::vector<std::shared_ptr<TPrintDevice>>;

// The printers installed, read once; the default printer's index (-1 when there is none).
const TPrintDevices& InstalledPrinters();
int DefaultPrinterIndex();
// Puts the given printers in place of the installed ones (an empty list: no printer at all);
// the global printer reads its list again.
void SetInstalledPrinters(TPrintDevices printers, int defaultIndex = 0);
