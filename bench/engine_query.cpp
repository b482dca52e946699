// Queries over a large parts table, from dbase_abfrage to the sorted index. The shopping
// cart's: supplier "Reichelt*" and to be ordered, sorted by the designation, a quarter of the
// parts; into the index in memory and into the query window's column grid. A selective one:
// the designations beginning "Widerstand 99999", 11 parts, into the grid. The message loop
// runs between records as in the program, with the window system up; the last benchmark gives
// its share of the run.
// Each query's floor is what the machine needs for the same answer at the least: one pass of
// large reads over the fields it reads, and for the cart one sort of the hits' designations.
// Resident memory is counted before the first run and after the last (rss_growth_mb); the
// selective query comes first, so that no grid before it leaves it memory to reuse.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "bench/CartQuery.h"
#include "bench/PartsTable.h"
#include "components/grid/columns/ExtCGrid.h"
#include "engine/DbaseQuerySlots.h"
#include "engine/dbase.h"
#include "offscreen_app.h"
#include "platform/controls/application.h"

namespace {

constexpr long kRecords = 1000000;

const PartsTable& Table() {
  static const PartsTable table(kRecords);
  return table;
}

// The process's resident memory in MB.
double ResidentMegabytes() {
  long pages = 0;
  long resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

// Opens the table, sets the query's slots and runs `run` as the benchmark's loop.
void MeasureQuery(benchmark::State& state, void (*setSlots)(), const std::function<void()>& run) {
  const PartsTable& table = Table();
  App();
  dbase_initialisieren();
  if (dbase_open(table.path) != 1) state.SkipWithError("table did not open");
  setSlots();
  if (dbase_kriterienpruefen() != 1) state.SkipWithError("query refused");
  const double before = ResidentMegabytes();
  for (auto _ : state) run();
  state.counters["rss_growth_mb"] = ResidentMegabytes() - before;
  state.counters["hits"] = dbase_anzahlindex;
  state.counters["records"] = dbase_anzahldatensaetze;
  dbase_finalisieren();
}

void MeasureCartQuery(benchmark::State& state, const std::function<void()>& run) {
  MeasureQuery(state, SetCartQuerySlots, run);
}

constexpr char kSelected[] = "Widerstand 99999";

void SetSelectiveSlots() {
  std::memset(dbase_abfragetext, 0, sizeof dbase_abfragetext);
  DbaseSetFixedText(dbase_abfragetext[1], kDbaseSlotSize, "Bezeichnun");
  DbaseSetFixedText(dbase_abfragetext[2], kDbaseSlotSize, "=");
  DbaseSetFixedText(dbase_abfragetext[3], kDbaseSlotSize, std::string(kSelected) + "*");
}

// Calls visit(record) for each record of one pass over the file in blocks of whole records.
void FloorPass(const std::function<void(const char* record)>& visit) {
  const int file = open(Table().path.c_str(), O_RDONLY);
  const std::size_t length = dbase_lengthofrecord;
  std::vector<char> block((1 << 20) / length * length);
  off_t position = dbase_headerlength;
  for (ssize_t got; (got = pread(file, block.data(), block.size(), position)) > 0; position += got)
    for (const char* r = block.data(); r + length <= block.data() + got; r += length) visit(r);
  close(file);
}

int FieldNumber(const char* name) {
  for (int n = 0; n < dbase_anzahldatenfelder; ++n)
    if (std::strcmp(dbase_feldname[n].data(), name) == 0) return n;
  return -1;
}

using Designation = std::array<char, 19>;

// The hits' designations of one pass over the file.
std::vector<Designation> FloorHits() {
  const int designation = FieldNumber("BEZEICHNUN");
  const int supplier = FieldNumber("BEZUGSQUEL");
  const int order = FieldNumber("BESTELLEN");
  std::vector<Designation> hits;
  FloorPass([&](const char* r) {
    if (r[0] == '*' || r[dbase_feldoffset[order]] != 'T') return;
    if (std::memcmp(r + dbase_feldoffset[supplier], "Reichelt", 8) != 0) return;
    Designation& d = hits.emplace_back();
    std::memcpy(d.data(), r + dbase_feldoffset[designation], d.size());
  });
  return hits;
}

void SelectiveFloor(benchmark::State& state) {
  MeasureQuery(state, SetSelectiveSlots, [] {
    const int designation = FieldNumber("BEZEICHNUN");
    uint32_t hits = 0;
    FloorPass([&](const char* r) {
      hits += r[0] != '*' &&
              std::memcmp(r + dbase_feldoffset[designation], kSelected, sizeof kSelected - 1) == 0;
    });
    dbase_anzahlindex = hits;
  });
}
BENCHMARK(SelectiveFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

void SelectiveQueryIntoGrid(benchmark::State& state) {
  App();
  TExtColumnGrid grid(nullptr);
  MeasureQuery(state, SetSelectiveSlots, [&grid] { dbase_abfrage(&grid); });
}
BENCHMARK(SelectiveQueryIntoGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

void Floor(benchmark::State& state) {
  MeasureCartQuery(state, [] {
    std::vector<Designation> hits = FloorHits();
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
