// The window messages a control handles, as records that its handlers read and change:
// keys and characters, mouse buttons, the dialog code and the special-key question.
#pragma once

#include <cstdint>

#include "platform/controls/keys.h"

using UINT = unsigned;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

enum : UINT {
  WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008, WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101,
  WM_CHAR = 0x0102, WM_SYSKEYDOWN = 0x0104, WM_SYSKEYUP = 0x0105, WM_SYSCHAR = 0x0106,
  WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202,
  WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205,
  WM_RBUTTONDBLCLK = 0x0206, WM_MBUTTONDOWN = 0x0207, WM_MBUTTONUP = 0x0208,
  WM_MBUTTONDBLCLK = 0x0209
};

// Button and key flags of a mouse message.
enum : unsigned { MK_LBUTTON = 0x01, MK_RBUTTON = 0x02, MK_SHIFT = 0x04, MK_CONTROL = 0x08,
                  MK_MBUTTON = 0x10 };

// What a control asks of the dialog keys: with the flag of a key it gets the key itself;
// without it the form uses the key to move the focus or press a button.
enum : LRESULT {
  DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTALLKEYS = 0x0004,
  DLGC_HASSETSEL = 0x0008, DLGC_DEFPUSHBUTTON = 0x0010, DLGC_UNDEFPUSHBUTTON = 0x0020,
  DLGC_RADIOBUTTON = 0x0040, DLGC_WANTCHARS = 0x0080, DLGC_STATIC = 0x0100,
  DLGC_BUTTON = 0x2000
};

// WM_KEYDOWN, WM_KEYUP and WM_CHAR: the key (or character) and the key data. A handler that
// sets CharCode to 0 stops the key.
struct TWMKey {
  UINT Msg = WM_KEYDOWN;
  WORD CharCode = 0;
  int KeyData = 0;
  LRESULT Result = 0;
};
using TWMKeyDown = TWMKey;
using TWMKeyUp = TWMKey;
using TWMChar = TWMKey;

// The mouse button messages and WM_MOUSEMOVE, in client coordinates.
struct TWMMouse {
  UINT Msg = WM_MOUSEMOVE;
  unsigned Keys = 0;  // MK_ flags
  int XPos = 0;
  int YPos = 0;
  LRESULT Result = 0;
};

struct TWMGetDlgCode {
  LRESULT Result = 0;
};

// A control that sets Result to non-zero takes Tab, arrows, Enter or Esc itself.
struct TCMWantSpecialKey {
  WORD CharCode = 0;
  LRESULT Result = 0;
};
