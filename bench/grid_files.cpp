// A grid of 100,000 rows and 10 columns saved and loaded as CSV and as the binary grid stream
// (in memory, and through a file for CSV), each texts of a part list's kind.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <random>

#include "components/grid/grid/ExtGrid.h"
#include "offscreen_app.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

std::unique_ptr<TExtStringGrid> FilledGrid() {
  auto grid = std::make_unique<TExtStringGrid>(nullptr);
  grid->SetColCount(kCols);
  grid->SetRowCount(kRows);
  std::mt19937 random(4711);
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c)
      grid->SetCells(c, r,
                     c % 3 == 0   ? "R" + IntToStr(random() % 2000)
                     : c % 3 == 1 ? IntToStr(random() % 10000) + ",50"
                                  : "Teil " + IntToStr(random()));
  return grid;
}

std::string TempName(const char* suffix) {
  return "/tmp/kalvento-bench-" + std::to_string(getpid()) + suffix;
}

void CsvSave(benchmark::State& state) {
  App();
  auto grid = FilledGrid();
  const std::string file = TempName(".csv");
  for (auto _ : state) grid->SaveToCSV(file);
  std::remove(file.c_str());
}
BENCHMARK(CsvSave)->Unit(benchmark::kMillisecond)->Iterations(3);

void CsvLoad(benchmark::State& state) {
  App();
  const std::string file = TempName(".csv");
  FilledGrid()->SaveToCSV(file);
  TExtStringGrid grid(nullptr);
  for (auto _ : state) grid.LoadFromCSV(file);
  if (grid.GetRowCount() != kRows) state.SkipWithError("rows lost");
  std::remove(file.c_str());
}
BENCHMARK(CsvLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

void BinarySave(benchmark::State& state) {
  App();
  auto grid = FilledGrid();
  for (auto _ : state) {
    TMemoryStream stream;
    grid->SaveToBinStream(&stream);
    benchmark::DoNotOptimize(stream.Memory());
  }
}
BENCHMARK(BinarySave)->Unit(benchmark::kMillisecond)->Iterations(3);

void BinaryLoad(benchmark::State& state) {
  App();
  TMemoryStream stream;
  FilledGrid()->SaveToBinStream(&stream);
  TExtStringGrid grid(nullptr);
  for (auto _ : state) {
    stream.SetPosition(0);
    grid.LoadFromBinStream(&stream);
  }
  if (grid.GetRowCount() != kRows) state.SkipWithError("rows lost");
}
BENCHMARK(BinaryLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
