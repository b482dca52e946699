// The shopping cart's query over a large parts table, from dbase_abfrage to the sorted
// index: supplier "Reichelt*" and to be ordered, sorted by the designation. The message loop
// runs between records as in the program, with the window system up; the second benchmark
// gives its share of the run.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

#include "bench/PartsTable.h"
#include "engine/DbaseQuerySlots.h"
#include "engine/dbase.h"
#include "platform/application.h"

namespace {

constexpr long kRecords = 1000000;

void StartWindowSystem() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

void SetSlot(int k, const char* text) { DbaseSetFixedText(dbase_abfragetext[k], kDbaseSlotSize, text); }

void CartQuery(benchmark::State& state) {
  static const PartsTable table(kRecords);
  StartWindowSystem();
  dbase_initialisieren();
  if (dbase_open(table.path) != 1) state.SkipWithError("table did not open");
  SetSlot(1, "Bezugsquel");
  SetSlot(2, "=");
  SetSlot(3, "Reichelt*");
  SetSlot(4, "bestellen");
  SetSlot(5, "=");
  SetSlot(6, "ja");
  SetSlot(25, "Bezeichnun");
  if (dbase_kriterienpruefen() != 1) state.SkipWithError("query refused");
  MemoryResultIndex index;
  for (auto _ : state) dbase_abfrage(index);
  state.counters["hits"] = dbase_anzahlindex;
  state.counters["records"] = dbase_anzahldatensaetze;
  dbase_finalisieren();
}
BENCHMARK(CartQuery)->Unit(benchmark::kMillisecond)->UseRealTime();

void MessageLoopOfTheRun(benchmark::State& state) {
  StartWindowSystem();
  for (auto _ : state)
    for (long n = 0; n < kRecords; ++n) Application->ProcessMessages();
}
BENCHMARK(MessageLoopOfTheRun)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
