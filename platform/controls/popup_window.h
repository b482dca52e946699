// Windows of their own without a frame, as the WS_POPUP style makes them: the control shows
// without a parent, at its bounds in screen coordinates, above the other windows, and never
// takes the focus. A disabled one (WS_DISABLED) lets the mouse through to what lies beneath.
#pragma once

#include "platform/controls/wincontrol.h"
#include "platform/winapi/gdi.h"

void SetPopupStyle(TControl* control, bool disabled);
// For the control's VisibleChanged: a pop-up window shows while Visible, parent or not.
void ShowPopupWindow(TControl* control, bool visible);
// Shapes the window: only the region's pixels show and take the mouse. The window takes the
// region over and frees it; a null region gives back the whole rectangle.
int SetWindowRgn(HWND window, HRGN region, bool redraw);
