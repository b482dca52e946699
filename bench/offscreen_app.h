// The Qt application the benchmarks need for widgets and events, on the offscreen platform.
#pragma once

#include <QApplication>
#include <cstdlib>

inline QApplication& App() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  // Never destroyed: windows a benchmark showed leave devices that the application's
  // destruction at exit would free after the window system is gone.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}
