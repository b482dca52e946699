#include "platform/controls/print_dialogs.h"

#include "platform/controls/dialogs.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"

namespace {

TVirtualPrinter* FilePrinter(TPrinter* printer) {
  return dynamic_cast<TVirtualPrinter*>(printer->GetDevice());
}

bool RunPrinterDialog(bool setupOnly) {
  TPrinter* printer = Printer();
  TStrings* names = printer->GetPrinters();
  // A running job keeps its printer and setup to the end.
  if (names->Count() == 0 || printer->GetPrinting()) return false;
  PrintDialogRequest request;
  request.setupOnly = setupOnly;
  for (int i = 0; i < names->Count(); ++i) request.printers.push_back(names->Strings(i));
  request.printerIndex = printer->GetPrinterIndex();
  request.settings = printer->GetSetup();
  if (TVirtualPrinter* file = FilePrinter(printer)) request.fileName = file->FileName;
  if (!ExecutePrintDialog(request)) return false;
  // A printer that left the list while the dialog showed keeps the current one.
  if (request.printerIndex >= 0 && request.printerIndex < names->Count() &&
      request.printerIndex != printer->GetPrinterIndex())
    printer->SetPrinterIndex(request.printerIndex);
  request.settings.Title = printer->GetSetup().Title;
  printer->SetSetup(request.settings);
  if (TVirtualPrinter* file = FilePrinter(printer); file && !request.fileName.empty())
    file->FileName = request.fileName;
  return true;
}

}  // namespace

bool TPrintDialog::Execute() { return RunPrinterDialog(false); }

bool TPrinterSetupDialog::Execute() { return RunPrinterDialog(true); }
