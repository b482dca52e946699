#include "platform/controls/print_dialogs.h"

#include <filesystem>
#include <system_error>

#include "platform/controls/dialogs.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"

namespace {

TVirtualPrinter* FilePrinter(const AnsiString& name) {
  return dynamic_cast<TVirtualPrinter*>(InstalledPrinter(name));
}

// Each printer's file: the one it will write for a job of the printer's title; empty for a
// queue.
std::vector<AnsiString> FilesOf(const std::vector<AnsiString>& printers, const AnsiString& title) {
  std::vector<AnsiString> files;
  for (const AnsiString& name : printers) {
    TVirtualPrinter* file = FilePrinter(name);
    files.push_back(file ? file->OutputFor(title) : "");
  }
  return files;
}

// A file named without its folder goes to the working folder: it is kept with that folder,
// so that the job writes where the user's messages say.
AnsiString WholePath(const AnsiString& fileName) {
  std::error_code failed;
  const std::filesystem::path whole = std::filesystem::absolute(fileName, failed);
  return failed ? fileName : whole.string();
}

// The list is read again first, so the dialog offers the printers there are now: a queue added
// since the start, a print service come back or gone. The job then goes to the printer the user
// confirmed, and to no other.
bool RunPrinterDialog(bool setupOnly) {
  TPrinter* printer = Printer();
  // A running job keeps its printer and setup to the end.
  if (printer->GetPrinting()) return false;
  UpdateInstalledPrinters();
  TStrings* names = printer->GetPrinters();
  if (names->Count() == 0) return false;
  PrintDialogRequest request;
  request.setupOnly = setupOnly;
  for (int i = 0; i < names->Count(); ++i) request.printers.push_back(names->Strings(i));
  request.printerIndex = printer->GetPrinterIndex();
  if (PrintServiceDown()) request.note = "Druckdienst nicht erreichbar - nur Ausgabe in eine Datei";
  request.settings = printer->GetSetup();
  request.files = FilesOf(request.printers, printer->JobTitle());
  const std::vector<AnsiString> proposed = request.files;
  request.infoOf = [printers = request.printers](int index) -> const TPrintDeviceInfo* {
    if (index < 0 || index >= static_cast<int>(printers.size())) return nullptr;
    TPrintDevice* device = InstalledPrinter(printers[index]);
    return device ? &device->Info() : nullptr;
  };
  if (!ExecutePrintDialog(request)) return false;
  const int chosen = request.printerIndex;
  if (chosen < 0 || chosen >= names->Count()) return false;
  // Confirming one of several printers chooses it, also the one preselected.
  if (chosen != printer->GetPrinterIndex() || names->Count() > 1) printer->SetPrinterIndex(chosen);
  request.settings.Title = printer->GetSetup().Title;
  printer->SetSetup(request.settings);
  // A file the user named is kept; the one proposed follows the title of the next job.
  TVirtualPrinter* file = FilePrinter(request.printers[chosen]);
  if (file && chosen < static_cast<int>(request.files.size()) &&
      request.files[chosen] != proposed[chosen] && !request.files[chosen].empty())
    file->FileName = WholePath(request.files[chosen]);
  return true;
}

}  // namespace

bool TPrintDialog::Execute() { return RunPrinterDialog(false); }

bool TPrinterSetupDialog::Execute() { return RunPrinterDialog(true); }
