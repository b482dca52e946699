// The shopping cart's query over a large parts table, from dbase_abfrage to the sorted
// index: supplier "Reichelt*" and to be ordered, sorted by the designation; into the index
// in memory and into the query window's column grid. The message loop runs between records
// as in the program, with the window system up; the last benchmark gives its share of the run.
// The floor is what the machine needs for the same answer at the least: one pass of large
// reads over the three fields, and one sort of the hits' designations.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <vector>

#include "bench/CartQuery.h"
#include "bench/PartsTable.h"
#include "components/grid/columns/ExtCGrid.h"
#include "engine/dbase.h"
#include "offscreen_app.h"
#include "platform/controls/application.h"

namespace {

constexpr long kRecords = 1000000;

const PartsTable& Table() {
  static const PartsTable table(kRecords);
  return table;
}

void MeasureCartQuery(benchmark::State& state, const std::function<void()>& run) {
  const PartsTable& table = Table();
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

int FieldNumber(const char* name) {
  for (int n = 0; n < dbase_anzahldatenfelder; ++n)
    if (std::strcmp(dbase_feldname[n].data(), name) == 0) return n;
  return -1;
}

using Designation = std::array<char, 19>;

// The hits' designations of one pass over the file in blocks of whole records.
std::vector<Designation> FloorHits(int file) {
  const std::size_t length = dbase_lengthofrecord;
  const int designation = FieldNumber("BEZEICHNUN");
  const int supplier = FieldNumber("BEZUGSQUEL");
  const int order = FieldNumber("BESTELLEN");
  std::vector<char> block((1 << 20) / length * length);
  std::vector<Designation> hits;
  off_t position = dbase_headerlength;
  for (ssize_t got; (got = pread(file, block.data(), block.size(), position)) > 0;
       position += got) {
    for (const char* r = block.data(); r + length <= block.data() + got; r += length) {
      if (r[0] == '*' || r[dbase_feldoffset[order]] != 'T') continue;
      if (std::memcmp(r + dbase_feldoffset[supplier], "Reichelt", 8) != 0) continue;
      Designation& d = hits.emplace_back();
      std::memcpy(d.data(), r + dbase_feldoffset[designation], d.size());
    }
  }
  return hits;
}

void Floor(benchmark::State& state) {
  MeasureCartQuery(state, [] {
    const int file = open(Table().path.c_str(), O_RDONLY);
    std::vector<Designation> hits = FloorHits(file);
    close(file);
    std::sort(hits.begin(), hits.end(), [](const Designation& a, const Designation& b) {
      return std::memcmp(a.data(), b.data(), a.size()) < 0;
    });
    dbase_anzahlindex = hits.size();
  });
}
BENCHMARK(Floor)->Unit(benchmark::kMillisecond)->UseRealTime();

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
