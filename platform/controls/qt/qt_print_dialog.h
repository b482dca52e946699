// The print and printer-setup dialogs on screen (PrintSetupForm). Private to platform/.
#pragma once

#include "platform/controls/dialogs.h"

bool ShowPrintDialog(PrintDialogRequest& request);
