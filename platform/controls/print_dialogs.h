// The print and printer-setup dialogs as components. Execute offers the program's printer
// (printer.h) through the dialog handler and, on OK, makes the printer and setup chosen the
// printer's own. Without printers, or while a job runs, no dialog shows and Execute is false.
#pragma once

#include "platform/core/component.h"

class TPrintDialog : public TComponent {
 public:
  explicit TPrintDialog(TComponent* AOwner) : TComponent(AOwner) {}
  virtual bool Execute();
};

class TPrinterSetupDialog : public TComponent {
 public:
  explicit TPrinterSetupDialog(TComponent* AOwner) : TComponent(AOwner) {}
  virtual bool Execute();
};
