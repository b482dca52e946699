// What a call of ProcessMessages costs the engine's per-record loops, beside a run of Qt's
// event loop it saves.
#include <benchmark/benchmark.h>

#include "platform/controls/application.h"
#include "offscreen_app.h"

namespace {

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
