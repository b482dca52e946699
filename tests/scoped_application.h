// A fresh application object in place of the program's own for the length of a test, so that
// the main form, termination and the owned forms start clean and end with the test.
#pragma once

#include "platform/controls/application.h"

class ScopedApplication {
 public:
  ScopedApplication() : saved_(Application) { Application = &app; }
  ~ScopedApplication() {
    app.Shutdown();
    Application = saved_;
  }
  ScopedApplication(const ScopedApplication&) = delete;
  ScopedApplication& operator=(const ScopedApplication&) = delete;

  TApplication app;

 private:
  TApplication* saved_;
};
