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
enum TPrintDuplex { pdSimplex, pdLongEdge, pdShortEdge };

// What a job asks of the printer. A paper, tray or resolution of 0 leaves the printer's own.
struct TPrintSetup {
  TPrinterOrientation Orientation = poPortrait;
  int Copies = 1;
  bool Collate = false;
  TSize Paper;          // tenths of a millimetre, portrait
  int PaperNumber = 0;  // the paper's number in the printer's list; 0 when only its size counts
  AnsiString PaperName; // tells apart the papers that share a number (Letter, ANSI A)
  int Tray = 0;         // a tray's number in the printer's list
  bool Color = true;    // where the printer prints in colour
  TPrintDuplex Duplex = pdSimplex;
  int Resolution = 0;   // dots per inch
  int ResolutionY = 0;  // vertical dots per inch where they differ; 0: as Resolution
  // The pages of the job that reach the printer, counted from 1; FromPage 0: all of them.
  // A range belongs to one job: it ends with the job.
  int FromPage = 0;
  int ToPage = 0;
  AnsiString Title;
};

// A paper a printer takes: its number as device modes count papers (DMPAPER_...), its name
// and its size in tenths of a millimetre, portrait.
struct TPaperInfo {
  int Number = 0;
  AnsiString Name;
  TSize Size;
};

// A paper tray by its number as device modes count them (DMBIN_...) and its name.
struct TTrayInfo {
  int Number = 0;
  AnsiString Name;
};

// What a printer can do beyond the page of a setup.
struct TPrintDeviceInfo {
  std::vector<TPaperInfo> Papers;
  int DefaultPaper = 0;  // the number of the paper a setup without one gets
  AnsiString DefaultPaperName;
  std::vector<TTrayInfo> Trays;
  int DefaultTray = 0;  // the tray a setup without one gets; 0: the printer chooses
  std::vector<TSize> Resolutions;  // dots per inch, horizontal (cx) and vertical (cy)
  TSize DefaultResolution;         // what a setup without one gets; 0: the first listed
  int MaxCopies = 1;
  bool Duplex = false;
  bool Color = true;
  TPrintDuplex DefaultDuplex = pdSimplex;  // what a job that does not ask gets
  bool DefaultColor = true;
  TSize MinExtent;  // the smallest and largest paper, tenths of a millimetre
  TSize MaxExtent;
};

// The printer's paper of that number, the one of that name where several share it; null
// when it has none.
const TPaperInfo* FindPaper(const TPrintDeviceInfo& info, int number,
                            const AnsiString& name = "");
// The setup with the printer's own paper, tray and resolution where it leaves them (0).
TPrintSetup WithOwnDefaults(const TPrintDeviceInfo& info, TPrintSetup setup);
// The setup a printer starts with: portrait, one copy, its own paper, tray and resolution
// (left at 0), its own sides and colour.
TPrintSetup OwnSetup(const TPrintDeviceInfo& info);

// A job running on a printer; its canvas draws on the current page. Freeing a job that has
// not ended aborts it.
class TPrintJob {
 public:
  virtual ~TPrintJob() = default;
  virtual bool NewPage() = 0;
  virtual bool End() = 0;  // false when the output could not be completed
  virtual void Abort() = 0;
  // Why End failed, in the print service's words; empty when it has none to give.
  virtual AnsiString Failure() const { return ""; }
};

class TPrintDevice {
 public:
  virtual ~TPrintDevice() = default;
  virtual AnsiString Name() const = 0;
  virtual TPrinterCapabilities Capabilities() const = 0;
  virtual const TPrintDeviceInfo& Info() const = 0;
  // The page this setup gives: resolution, paper and printable area in device pixels.
  virtual TDeviceCaps Caps(const TPrintSetup& setup) const = 0;
  // Starts a job with the canvas on its first page; null when the printer refuses it.
  virtual std::unique_ptr<TPrintJob> Start(TCanvas& canvas, const TPrintSetup& setup) = 0;
  // What the user is told when a job could not start or end, naming the printer, with the
  // print service's reason where it gave one.
  virtual AnsiString Failed(const AnsiString& reason) const;
};

using TPrintDevices = std::vector<std::shared_ptr<TPrintDevice>>;

// The printers installed, read once; the default printer's index (-1 when there is none).
const TPrintDevices& InstalledPrinters();
int DefaultPrinterIndex();
// True while the system's printers, as last read, are the file printer alone because the print
// service did not answer.
bool PrintServiceDown();
// Puts the given printers in place of the installed ones (an empty list: no printer at all);
// the global printer reads its list again.
void SetInstalledPrinters(TPrintDevices printers, int defaultIndex = 0);
// Reads the system's printers again (a print service that started or changed later); the
// global printer reads its list again.
void ReadInstalledPrinters();
// Reads the system's printers again where the installed ones are the system's (printers put
// in place by SetInstalledPrinters stay); the global printer keeps its choice and setup where
// that printer is still installed. The file printer stays the same, with its file.
void UpdateInstalledPrinters();
// The installed printer of that name; null when none has it.
TPrintDevice* InstalledPrinter(const AnsiString& name);
