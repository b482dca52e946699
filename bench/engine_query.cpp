// The shopping cart's query over a large parts table, from dbase_abfrage to the sorted
// index: supplier "Reichelt*" and to be ordered, sorted by the designation; into the index
// in memory and into the query window's column grid. The message loop runs between records
// as in the program, with the window system up; the last benchmark gives its share of the run.
#include <benchmark/benchmark.h>

#include <functional>

#include "bench/CartQuery.h"
#include "bench/PartsTable.h"
#include "components/grid/columns/ExtCGrid.h"
#include "engine/dbase.h"
#include "offscreen_app.h"
#include "platform/controls/application.h"

namespace {

constexpr long kRecords = 1000000;

void MeasureCartQuery(benchmark::State& state, const std::function<void()>& run) {
  static const PartsTable table(kRecords);
  App();
  dbase_initialisieren();
  if (dbase_open(table.path) != 1) state.SkipWithError("table did not open");
  SetCartQuerySlots();
  if (dbase_kriterienpruefen() != 1) state.SkipWithError("query refused");
  for (auto _ : state) run();
  state.counters["hits"] = dbase_anzahlindex;
  state.counters["records"] = dbase_anzahldatensaetze;
  dbase_finalisieren();
}

void CartQuery(benchmark::State& state) {
  MemoryResultIndex index;
  MeasureCartQuery(state, [&index] { dbase_abfrage(index); });
}
BENCHMARK(CartQuery)->Unit(benchmark::kMillisecond)->UseRealTime();

void CartQueryIntoGrid(benchmark::State& state) {
  App();
  TExtColumnGrid grid(nullptr);
  MeasureCartQuery(state, [&grid] { dbase_abfrage(&grid); });
  for (int r = 0; r + 2 < grid.GetRowCount(); ++r)
    if (grid.CompareLine(1, r, r + 1) > 0) return state.SkipWithError("the hits are not in order");
}
BENCHMARK(CartQueryIntoGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

void MessageLoopOfTheRun(benchmark::State& state) {
  App();
  for (auto _ : state)
    for (long n = 0; n < kRecords; ++n) Application->ProcessMessages();
}
BENCHMARK(MessageLoopOfTheRun)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
