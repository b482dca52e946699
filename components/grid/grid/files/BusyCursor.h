// The hourglass while a file exchange runs; the screen's cursor from before comes back when
// it ends, also when it fails.
#pragma once

#include "platform/controls/screen.h"

class BusyCursor {
 public:
  BusyCursor() : saved_(Screen->GetCursor()) { Screen->SetCursor(crHourGlass); }
  ~BusyCursor() { Screen->SetCursor(saved_); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  TCursor saved_;
};
