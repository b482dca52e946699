// Lines inserted, removed, exchanged and moved in a sheet-sized grid holding a few cells:
// the cost should follow the cells stored, not the grid's million rows.
#include <benchmark/benchmark.h>

#include <functional>

#include "offscreen_app.h"
#include "sheet_sized_grid.h"

namespace {

// The grid is made and freed outside the timing; the line number is the benchmark's argument.
void SheetSizedChange(benchmark::State& state,
                      const std::function<void(TExtStringGrid&, int)>& Change) {
  App();
  for (auto _ : state) {
    state.PauseTiming();
    auto grid = SheetSizedGrid();
    state.ResumeTiming();
    Change(*grid, static_cast<int>(state.range(0)));
    state.PauseTiming();
    grid.reset();
    state.ResumeTiming();
  }
}

void Change(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)->Iterations(3);
}

BENCHMARK_CAPTURE(SheetSizedChange, InsertCols, [](TExtStringGrid& g, int at) {
  g.InsertCols(at, 1);
})->Apply(Change)->Arg(1)->Arg(kSheetCols - 8);
BENCHMARK_CAPTURE(SheetSizedChange, RemoveCols, [](TExtStringGrid& g, int at) {
  g.RemoveCols(at, 1);
})->Apply(Change)->Arg(1)->Arg(kSheetCols - 8);
BENCHMARK_CAPTURE(SheetSizedChange, SwapColumns, [](TExtStringGrid& g, int at) {
  g.SwapColumns(at, 700);
})->Apply(Change)->Arg(1);
BENCHMARK_CAPTURE(SheetSizedChange, MoveColumn, [](TExtStringGrid& g, int at) {
  g.MoveColumn(at, kSheetCols - 1);
})->Apply(Change)->Arg(1);
BENCHMARK_CAPTURE(SheetSizedChange, InsertRows, [](TExtStringGrid& g, int at) {
  g.InsertRows(at, 1);
})->Apply(Change)->Arg(1);
BENCHMARK_CAPTURE(SheetSizedChange, RemoveRows, [](TExtStringGrid& g, int at) {
  g.RemoveRows(at, 1);
})->Apply(Change)->Arg(1);
BENCHMARK_CAPTURE(SheetSizedChange, MoveRow, [](TExtStringGrid& g, int at) {
  g.MoveRow(at, kSheetRows - 1);
})->Apply(Change)->Arg(1);

}  // namespace
