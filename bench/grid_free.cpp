// A grid as wide and high as a worksheet's full used range (16384 columns, 1,048,576 rows)
// with a few cells written and styled, as a loaded workbook reaching its last cell leaves
// it: what it costs to make and size it, to free it, and to clear its cells.
#include <benchmark/benchmark.h>

#include <memory>

#include "components/grid/ExtGrid.h"
#include "offscreen_app.h"

namespace {

constexpr int kCols = 16384;
constexpr int kRows = 1048576;

std::unique_ptr<TExtStringGrid> SheetSizedGrid() {
  auto grid = std::make_unique<TExtStringGrid>(nullptr);
  grid->SetColCountEx(kCols);
  grid->SetRowCountEx(kRows);
  for (const TPoint at :
       {TPoint(1, 1), TPoint(2, 500), TPoint(700, 70000), TPoint(kCols - 1, kRows - 1)}) {
    grid->SetCells(at.x, at.y, "part");
    grid->GetCellProperties(at.x, at.y)->SetBrushColor(clYellow);
  }
  grid->MergeCells(3, 3, 4, 2);
  return grid;
}

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
