// Bringing a window to the front: the top-level window a control lies on is raised above the
// others and activated, so the user's keys go to it.
#pragma once

#include "platform/controls/wincontrol.h"

// False when there is no window or it is not shown; the window system may still decline to
// move the focus from another program.
bool SetForegroundWindow(HWND window);
