// The system's reason for a failed file operation, in the words the program's messages use,
// so that a user learns what to mend (a missing folder, a missing right, a full disk).
#pragma once

#include "platform/core/text.h"

// The German text of an errno; the system's own text for one without.
AnsiString SystemErrorText(int error);
