// Windows GetSystemMetrics for the sizes the controls ask about: the width of a vertical
// scroll bar and the height of a horizontal one, as the widget style draws them.
#pragma once

enum : int { SM_CXVSCROLL = 2, SM_CYHSCROLL = 3 };

// 0 for an index it does not know.
int GetSystemMetrics(int index);

// The lines one notch of the mouse wheel scrolls (SPI_GETWHEELSCROLLLINES).
int WheelScrollLines();
