// The screen: its size and work area, the cursor shown over the whole program, and the form
// and control that have the focus.
#pragma once

#include "platform/graphics/cursor.h"

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
