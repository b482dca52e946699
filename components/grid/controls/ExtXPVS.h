// The grid's binding to the visual styles: bound once when the program starts, when the
// platform offers them. The grid and its small controls draw themed parts only through it, so
// a program without the styles falls back to the classic drawing in one place.
#pragma once

#include "platform/winapi/theme.h"

struct TThemeBinding {
  bool Loaded = false;  // the styles library is there
  bool (*IsThemeActive)() = nullptr;
  HTHEME (*OpenThemeData)(void* Window, const char* ClassList) = nullptr;
  int (*CloseThemeData)(HTHEME Theme) = nullptr;
  int (*DrawThemeBackground)(HTHEME Theme, HDC DC, int Part, int State, const TRect* Rect,
                             const TRect* Clip) = nullptr;
};

const TThemeBinding& ThemeBinding();

// The library is bound and a theme is active.
bool ThemeAvailable();

// Draws one part of the class's theme ("button", "combobox", "spin") into R; false, with
// nothing drawn, when no theme is available.
bool DrawThemed(void* Window, const char* ClassList, TCanvas* Canvas, int Part, int State,
                const TRect& R);
