// Lines inserted, removed, exchanged and moved in a sheet-sized grid holding a few cells:
// the cost should follow the cells stored, not the grid's million rows.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

#include "offscreen_app.h"
#include "sheet_sized_grid.h"

namespace {

// The grid is made and freed outside the timing; the line number is the benchmark's argument.
void SheetSizedChange(benchmark::State& state,
                      const std::function<void(TExtStringGrid&, int)>& Apply) {
  App();
  for (auto _ : state) {
    state.PauseTiming();
    auto grid = SheetSizedGrid();
    state.ResumeTiming();
    Apply(*grid, static_cast<int>(state.range(0)));
    state.PauseTiming();
    grid.reset();
    state.ResumeTiming();
  }
}

struct Change {
  const char* name;
  void (*apply)(TExtStringGrid& grid, int at);
  std::vector<int> lines;  // the argument values
};

const Change kChanges[] = {
    {"InsertCols", [](TExtStringGrid& g, int at) { g.InsertCols(at, 1); }, {1, kSheetCols - 8}},
    {"RemoveCols", [](TExtStringGrid& g, int at) { g.RemoveCols(at, 1); }, {1, kSheetCols - 8}},
    {"SwapColumns", [](TExtStringGrid& g, int at) { g.SwapColumns(at, 700); }, {1}},
    {"MoveColumn", [](TExtStringGrid& g, int at) { g.MoveColumn(at, kSheetCols - 1); }, {1}},
    {"InsertRows", [](TExtStringGrid& g, int at) { g.InsertRows(at, 1); }, {1}},
    {"RemoveRows", [](TExtStringGrid& g, int at) { g.RemoveRows(at, 1); }, {1}},
    {"MoveRow", [](TExtStringGrid& g, int at) { g.MoveRow(at, kSheetRows - 1); }, {1}},
};

const bool kRegistered = [] {
  for (const Change& change : kChanges) {
    auto* b = benchmark::RegisterBenchmark((std::string("SheetSizedChange/") + change.name).c_str(),
                                           SheetSizedChange, change.apply);
    b->Unit(benchmark::kMillisecond)->Iterations(3);
    for (const int at : change.lines) b->Arg(at);
  }
  return true;
}();

}  // namespace
