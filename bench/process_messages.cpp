// What a call of ProcessMessages costs the engine's per-record loops, beside a run of Qt's
// event loop it saves.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

#include "platform/application.h"

namespace {

QApplication& App() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

void ProcessMessages(benchmark::State& state) {
  App();
  for (auto _ : state) Application->ProcessMessages();
}
BENCHMARK(ProcessMessages);

void QtEventLoopOnce(benchmark::State& state) {
  App();
  for (auto _ : state) QCoreApplication::processEvents();
}
BENCHMARK(QtEventLoopOnce);

}  // namespace
