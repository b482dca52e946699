// The application object: its title, the message loop and the screen cursor.
#pragma once

#include <chrono>

#include "platform/text.h"

class TApplication {
 public:
  AnsiString Title;

  // Runs the message loop once. The engine calls it once per record, so a call made within a
  // few milliseconds of the last real run returns at once; the window stays just as responsive.
  void ProcessMessages();
  // Runs the message loop until Terminate() or the main window closes.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }

 private:
  std::chrono::steady_clock::time_point lastRun_{};
  bool terminated_ = false;
};

extern TApplication* Application;

enum TCursor : int { crDefault = 0, crArrow = -2, crHourGlass = -11, crSQLWait = -17 };

class TScreen {
 public:
  TCursor GetCursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

 private:
  TCursor cursor_ = crDefault;
};

extern TScreen* Screen;
