// The query engine's result index lives in a string grid: one row per hit, three short texts
// a row. What filling a million such rows costs in time and memory, and reading them back.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "platform/grid_cells.h"

namespace {

constexpr int kRows = 1000000;

size_t HeapInUse() { return mallinfo2().uordblks; }

void Fill(TGridCells& cells) {
  for (int r = 0; r < kRows; ++r) {
    cells.SetText(0, r, IntToStr(r));
    cells.SetText(1, r, "Widerstand");
    cells.SetText(2, r, "0815-4711");
  }
}

void GridCellsFill(benchmark::State& state) {
  double bytes = 0;
  for (auto _ : state) {
    size_t before = HeapInUse();
    {
      TGridCells cells;
      cells.SetRowWidthHint(3);
      Fill(cells);
      bytes = static_cast<double>(HeapInUse() - before) / kRows;
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
  state.counters["bytes_per_row"] = bytes;
}
BENCHMARK(GridCellsFill)->Unit(benchmark::kMillisecond);

void GridCellsRead(benchmark::State& state) {
  TGridCells cells;
  cells.SetRowWidthHint(3);
  Fill(cells);
  for (auto _ : state) {
    size_t total = 0;
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < 3; ++c) total += cells.Text(c, r).size();
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(GridCellsRead)->Unit(benchmark::kMillisecond);

}  // namespace
