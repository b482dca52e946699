// The row filter and row hiding move rows between the grid and its hidden-row store. What it
// costs to filter a million rows by a condition on one column (every other row fails) and to
// take the filter off again, and to hide and show 100,000 rows of a grid of that many.
#include <benchmark/benchmark.h>

#include <memory>

#include "components/grid/grid/ExtGrid.h"
#include "offscreen_app.h"

namespace {

std::unique_ptr<TExtStringGrid> FilledGrid(int Rows) {
  auto grid = std::make_unique<TExtStringGrid>(nullptr);
  grid->SetColCount(3);
  grid->SetRowCount(Rows + 1);
  for (int r = 1; r <= Rows; ++r) {
    grid->SetCells(0, r, IntToStr(r));
    grid->SetCells(1, r, r % 2 ? "R" + IntToStr(r % 1000) : "C" + IntToStr(r % 1000));
    grid->SetCells(2, r, "part");
  }
  return grid;
}

// Switching the filter on and off again, each timed or not.
void FilterRows(benchmark::State& state, bool TimeOn, bool TimeOff) {
  App();
  auto grid = FilledGrid(1000000);
  grid->Filter.GetColFilter(1)->Condition = "R*";
  auto timed = [&state](bool Timed, auto Change) {
    if (!Timed) state.PauseTiming();
    Change();
    if (!Timed) state.ResumeTiming();
  };
  for (auto _ : state) {
    timed(TimeOn, [&] { grid->SetFilterActive(true); });
    if (grid->GetRowCount() != 500001) state.SkipWithError("filtered wrongly");
    timed(TimeOff, [&] { grid->SetFilterActive(false); });
  }
}
BENCHMARK_CAPTURE(FilterRows, OnAndOff, true, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(FilterRows, On, true, false)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(FilterRows, Off, false, true)->Unit(benchmark::kMillisecond)->Iterations(3);

void HideAndShowRows(benchmark::State& state) {
  App();
  auto grid = FilledGrid(100000);
  for (auto _ : state) {
    grid->HideRows(1, 100000);
    grid->UnHideRowsAll();
  }
}
BENCHMARK(HideAndShowRows)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
