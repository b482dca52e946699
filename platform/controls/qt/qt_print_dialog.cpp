#include "platform/controls/qt/qt_print_dialog.h"

#include "platform/controls/qt/qt_print_setup_form.h"

bool ShowPrintDialog(PrintDialogRequest& request) {
  PrintSetupForm form(request);
  if (form.exec() != QDialog::Accepted) return false;
  form.TakeChoice(request);
  return true;
}
