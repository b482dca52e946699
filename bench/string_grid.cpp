// The query engine keeps its result index in a string grid: one row per hit, three short texts
// a row. What filling a million such rows costs in time and memory, reading them back, and
// painting one screen of such a grid, which must not depend on the number of rows. Rows grow
// as they fill, so wide rows filled left to right are measured too.
#include "platform/grids/string_grid.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QAbstractScrollArea>
#include <QImage>
#include <memory>

#include "offscreen_app.h"

namespace {

constexpr int kRows = 1000000;

size_t HeapInUse() { return mallinfo2().uordblks; }

std::unique_ptr<TStringGrid> IndexGrid(int rows) {
  auto grid = std::make_unique<TStringGrid>(nullptr);
  grid->SetColCount(3);
  grid->SetFixedCols(0);
  grid->SetRowCount(rows + 1);
  return grid;
}

void Fill(TStringGrid& grid, int rows) {
  for (int r = 1; r <= rows; ++r) {
    grid.SetCells(0, r, IntToStr(r));
    grid.SetCells(1, r, "Widerstand");
    grid.SetCells(2, r, "0815-4711");
  }
}

void StringGridFill(benchmark::State& state) {
  App();
  double bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto grid = IndexGrid(kRows);
    size_t before = HeapInUse();
    state.ResumeTiming();
    Fill(*grid, kRows);
    state.PauseTiming();
    bytes = static_cast<double>(HeapInUse() - before) / kRows;
    grid.reset();
    state.ResumeTiming();
  }
  state.counters["bytes_per_row"] = bytes;
}
BENCHMARK(StringGridFill)->Unit(benchmark::kMillisecond);

void StringGridRead(benchmark::State& state) {
  App();
  auto grid = IndexGrid(kRows);
  Fill(*grid, kRows);
  for (auto _ : state) {
    size_t total = 0;
    for (int r = 1; r <= kRows; ++r)
      for (int c = 0; c < 3; ++c) total += grid->Cells(c, r).size();
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(StringGridRead)->Unit(benchmark::kMillisecond);

// 10,000 rows of Arg columns filled left to right, as a loaded text file fills them.
void StringGridFillWide(benchmark::State& state) {
  App();
  constexpr int kWideRows = 10000;
  const int cols = static_cast<int>(state.range(0));
  double bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto grid = std::make_unique<TStringGrid>(nullptr);
    grid->SetColCount(cols);
    grid->SetRowCount(kWideRows);
    size_t before = HeapInUse();
    state.ResumeTiming();
    for (int r = 0; r < kWideRows; ++r)
      for (int c = 0; c < cols; ++c) grid->SetCells(c, r, "0815");
    state.PauseTiming();
    bytes = static_cast<double>(HeapInUse() - before) / kWideRows;
    grid.reset();
    state.ResumeTiming();
  }
  state.counters["bytes_per_row"] = bytes;
}
BENCHMARK(StringGridFillWide)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// One screen of 800 x 600 pixels, scrolled to the middle of the rows.
void StringGridPaintScreen(benchmark::State& state) {
  App();
  int rows = static_cast<int>(state.range(0));
  auto grid = IndexGrid(rows);
  Fill(*grid, rows);
  grid->SetBounds(0, 0, 800, 600);
  grid->SetTopRow(rows / 2);
  QWidget* client = static_cast<QAbstractScrollArea*>(grid->Widget())->viewport();
  QImage image(client->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) client->render(&image);
  state.counters["cells"] = 3.0 * (grid->GetVisibleRowCount() + 2);
}
BENCHMARK(StringGridPaintScreen)->Arg(1000)->Arg(kRows)->Unit(benchmark::kMillisecond);

}  // namespace
