// The alert sound. Tests put in a hook of their own to count the beeps.
#pragma once

#include <functional>

// Plays the alert of a message-box type (0 for the default one).
bool MessageBeep(unsigned type);
void Beep();

using BeepHook = std::function<void(unsigned type)>;
// Installs a hook and returns the one it replaces; an empty hook restores the real alert.
BeepHook SetBeepHook(BeepHook hook);
