// Qt's print dialog for the print and printer-setup dialogs. Private to platform/.
#pragma once

#include "platform/controls/dialogs.h"

bool ShowPrintDialog(PrintDialogRequest& request);
