// Reading every record of a large parts table through the read window, and the shown text of
// two fields of each, as a query run does.
#include <benchmark/benchmark.h>

#include "bench/PartsTable.h"
#include "engine/dbase.h"

namespace {

constexpr long kRecords = 1000000;

void ReadAllRecordsThroughTheWindow(benchmark::State& state) {
  static const PartsTable table(kRecords);
  dbase_initialisieren();
  if (dbase_open(table.path) != 1) state.SkipWithError("table did not open");
  for (auto _ : state) {
    for (long n = 0; n < kRecords; ++n) {
      dbase_lesenmulti(n);
      dbase_tr(0);
      dbase_tr(11);
      benchmark::DoNotOptimize(dbase_text[0]);
    }
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
  state.counters["record_bytes"] = dbase_lengthofrecord;
  dbase_finalisieren();
}

BENCHMARK(ReadAllRecordsThroughTheWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
