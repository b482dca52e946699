// A sheet-sized grid: what it costs to make and size it, to free it, and to clear its cells.
#include <benchmark/benchmark.h>

#include <memory>

#include "offscreen_app.h"
#include "sheet_sized_grid.h"

namespace {

// Making, sizing and freeing, each timed or not.
void SheetSizedLife(benchmark::State& state, bool TimeMake, bool TimeFree) {
  App();
  auto timed = [&state](bool Timed, auto Step) {
    if (!Timed) state.PauseTiming();
    Step();
    if (!Timed) state.ResumeTiming();
  };
  for (auto _ : state) {
    std::unique_ptr<TExtStringGrid> grid;
    timed(TimeMake, [&] { grid = SheetSizedGrid(); });
    timed(TimeFree, [&] { grid.reset(); });
  }
}
BENCHMARK_CAPTURE(SheetSizedLife, MakeAndFree, true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SheetSizedLife, Free, false, true)->Unit(benchmark::kMillisecond);

void SheetSizedClear(benchmark::State& state) {
  App();
  for (auto _ : state) {
    state.PauseTiming();
    auto grid = SheetSizedGrid();
    state.ResumeTiming();
    grid->Clear();
    state.PauseTiming();
    grid.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(SheetSizedClear)->Unit(benchmark::kMillisecond);

}  // namespace
