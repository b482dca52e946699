// The shell's "open": a document opens in the program the desktop has for it, an address in
// the browser. What actually opens it is a hook, so that tests can see what would open.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/core/text.h"
#include "platform/controls/wincontrol.h"

using HINSTANCE = intptr_t;

enum : int { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_NORMAL = 1, SW_SHOWMINIMIZED = 2,
             SW_SHOWMAXIMIZED = 3, SW_SHOW = 5, SW_SHOWDEFAULT = 10 };
// Results of 32 and below are errors.
enum : int { SE_ERR_FNF = 2, SE_ERR_PNF = 3, SE_ERR_NOASSOC = 31 };

// "open" (or no verb) of a file, a folder or an address. A file name counts from `directory`
// when given, else from the working folder; "\" separates folders as "/" does. Returns a value
// above 32 when it opened, SE_ERR_FNF for a file that is not there, SE_ERR_NOASSOC when nothing
// could open it or the verb is another.
HINSTANCE ShellExecuteA(HWND window, const char* operation, const char* file,
                        const char* parameters, const char* directory, int showCommand);
inline HINSTANCE ShellExecute(HWND window, const char* operation, const char* file,
                              const char* parameters, const char* directory, int showCommand) {
  return ShellExecuteA(window, operation, file, parameters, directory, showCommand);
}

// Opens an address or an absolute file name; true when it opened.
using ShellOpenHook = std::function<bool(const AnsiString& target)>;
// Installs a hook and returns the one it replaces; an empty hook restores the desktop's.
ShellOpenHook SetShellOpenHook(ShellOpenHook hook);
