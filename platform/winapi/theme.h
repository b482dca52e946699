// The visual-styles calls the program makes, drawn by the application's Qt style: check boxes,
// radio buttons, push buttons, the combo box's drop-down button and the spin arrows in their
// states.
#pragma once

#include "platform/graphics/canvas.h"

struct HTHEME__;
using HTHEME = HTHEME__*;

enum : int { BP_PUSHBUTTON = 1, BP_RADIOBUTTON = 2, BP_CHECKBOX = 3 };
enum : int { PBS_NORMAL = 1, PBS_HOT = 2, PBS_PRESSED = 3, PBS_DISABLED = 4, PBS_DEFAULTED = 5 };
enum : int { RBS_UNCHECKEDNORMAL = 1, RBS_UNCHECKEDHOT = 2, RBS_UNCHECKEDPRESSED = 3,
             RBS_UNCHECKEDDISABLED = 4, RBS_CHECKEDNORMAL = 5, RBS_CHECKEDHOT = 6,
             RBS_CHECKEDPRESSED = 7, RBS_CHECKEDDISABLED = 8 };
enum : int { CBS_UNCHECKEDNORMAL = 1, CBS_UNCHECKEDHOT = 2, CBS_UNCHECKEDPRESSED = 3,
             CBS_UNCHECKEDDISABLED = 4, CBS_CHECKEDNORMAL = 5, CBS_CHECKEDHOT = 6,
             CBS_CHECKEDPRESSED = 7, CBS_CHECKEDDISABLED = 8 };
enum : int { CP_DROPDOWNBUTTON = 1 };
enum : int { CBXS_NORMAL = 1, CBXS_HOT = 2, CBXS_PRESSED = 3, CBXS_DISABLED = 4 };
enum : int { SPNP_UP = 1, SPNP_DOWN = 2, SPNP_UPHORZ = 3, SPNP_DOWNHORZ = 4 };
enum : int { UPS_NORMAL = 1, UPS_HOT = 2, UPS_PRESSED = 3, UPS_DISABLED = 4 };
enum : int { S_OK = 0, E_FAIL = -1 };

// True while a GUI application (and so a style) exists.
bool IsThemeActive();
bool IsAppThemed();
// Classes "button", "combobox" and "spin" (letter case ignored); null for others.
HTHEME OpenThemeData(void* window, const char* classList);
int CloseThemeData(HTHEME theme);
int DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const TRect* rect,
                        const TRect* clip);
