// The screen: its size and work area, the cursor shown over the whole program, and the form
// and control that have the focus.
#pragma once

#include "platform/graphics/cursor.h"
#include "platform/graphics/geometry.h"

class TForm;
class TWinControl;

class TScreen {
 public:
  TCursor GetCursor() const { return cursor_; }
  // Any cursor but crDefault shows over every window until it is set back.
  void SetCursor(TCursor cursor);

  int GetWidth() const;
  int GetHeight() const;
  // The screen without the panels of the desktop.
  int GetWorkAreaLeft() const;
  int GetWorkAreaTop() const;
  int GetWorkAreaWidth() const;
  int GetWorkAreaHeight() const;
  int GetPixelsPerInch() const { return 96; }

  TForm* GetActiveForm() const;
  TWinControl* GetActiveControl() const;

 private:
  TCursor cursor_ = crDefault;
};

extern TScreen* Screen;

// The mouse's place on the screen (Windows GetCursorPos); a test may place it with
// SetCursorPos, which moves the pointer where a pointer can be moved.
bool GetCursorPos(TPoint& Point);
bool SetCursorPos(int X, int Y);
