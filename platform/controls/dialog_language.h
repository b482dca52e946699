// The language of the window system's own texts: the buttons of message boxes and the file,
// print and printer dialogs, which otherwise speak English under the program's titles.
#pragma once

#include "platform/core/text.h"

// Installs the window system's translations for a language ("de"); false where they are not
// installed, and the texts stay as they were.
bool UseDialogLanguage(const AnsiString& language);
