// The Qt application the benchmarks need for widgets and events, on the offscreen platform.
#pragma once

#include <QApplication>
#include <cstdlib>

inline QApplication& App() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}
