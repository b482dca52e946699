// The list window over a table of a million parts: filling one page (23 rows, 8 columns) from
// a result index of a million hits, which must cost the same wherever the page stands;
// showing the window, whose activation runs its first query (all parts, in record order)
// through the query window; and the total price over the quarter of the parts in the cart.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <numeric>
#include <random>

#include "app/DatabaseDefinition.h"
#include "app/Datenbank_liste.h"
#include "app/Dbaseabfrage.h"
#include "bench/CartQuery.h"
#include "bench/PartsTable.h"
#include "engine/DbaseHitValues.h"
#include "engine/dbase.h"
#include "offscreen_app.h"
#include "tools/sample/ConsoleMessages.h"
#include "tools/sample/PartsLayout.h"

namespace {

constexpr long kRecords = 1000000;

const PartsTable& Table() {
  static const PartsTable table(kRecords);
  return table;
}

// The program's two windows the list needs, with its definition: eight columns over the table.
class ListSetup {
 public:
  ListSetup() {
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    dbase_initialisieren();
    frmDbaseAbfrage = &query;
    frmDatenbank_Liste = &list;
    dbm_name = "Kalvento.dbm";
    dbm_tabelle = Table().path;
    dbm_abfrage = "alle.dba";
    dbm_listenname[1] = "Liste";
    dbm_spaltenanzahl[1] = 9;
    const int fields[] = {kDesignation, kEnglishName, kSupplier,   kOrderNumber,
                          kUnitPrice,   kTotalCount,  kTotalPrice, kOrder};
    for (int c = 0; c < 8; ++c) {
      dbm_spaltenfeld[c + 1][1] = fields[c];
      dbm_spaltenbreite[c + 1][1] = 90;
    }
    // The first query: every part in record order.
    std::memset(dbase_abfragetext, 0, sizeof dbase_abfragetext);
    if (dbase_open(Table().path) == 1) dbase_abfragespeichern(dbm_abfrage);
    dbase_close();
  }
  ~ListSetup() {
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(folder);
    frmDbaseAbfrage = nullptr;
    frmDatenbank_Liste = nullptr;
    dbase_indexgrid = nullptr;
    dbase_finalisieren();
  }
  ListSetup(const ListSetup&) = delete;
  ListSetup& operator=(const ListSetup&) = delete;

  // Runs the query of the slots into the query window's index, as the window does.
  void Query() {
    if (dbase_open(Table().path) != 1 || dbase_kriterienpruefen() != 1) return;
    dbase_indexgrid = query.grdIndex;
    dbase_abfrage(query.grdIndex);
  }

  QApplication& app = App();  // before the windows
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("kalvento-list-" + std::to_string(getpid()));
  ConsoleMessages messages;
  TfrmDbaseAbfrage query{nullptr};
  TfrmDatenbank_Liste list{nullptr};
};

// The first opening in the process finds no room for the index grid's million rows and
// makes it as the hits come (reported as first_ms); later openings reuse the room the rows
// kept (later_ms). It runs before the other benchmarks, whose grids would otherwise leave it
// their memory.
void OpenTheListOnAMillionRecords(benchmark::State& state) {
  ListSetup setup;
  using Clock = std::chrono::steady_clock;
  std::vector<double> times;  // ms
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    setup.list.Show();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    state.PauseTiming();
    if (dbase_anzahlindex != kRecords) state.SkipWithError("the first query missed records");
    setup.list.Close();
    state.ResumeTiming();
  }
  if (times.size() < 2) return;
  state.counters["first_ms"] = times.front();
  state.counters["later_ms"] =
      std::accumulate(times.begin() + 1, times.end(), 0.0) / static_cast<double>(times.size() - 1);
}
BENCHMARK(OpenTheListOnAMillionRecords)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

void ListPageOfAMillionHits(benchmark::State& state) {
  ListSetup setup;
  setup.Query();
  if (dbase_anzahlindex != kRecords) return state.SkipWithError("the index is not whole");
  setup.list.actEinstellungenLadenExecute(nullptr);
  std::mt19937 random(7);
  std::uniform_int_distribution<uint32_t> anywhere(0, kRecords - 23);
  for (auto _ : state) {
    dbase_ersterindex = anywhere(random);
    dbase_ausgabe(setup.list.grdAusgabe);
  }
  state.counters["columns"] = setup.list.grdAusgabe->GetColCount() - 1;
}
BENCHMARK(ListPageOfAMillionHits)->Unit(benchmark::kMicrosecond);

// The cart's parts: from Reichelt and to be ordered, a quarter of the table, sorted by their
// designation, so the records are read in no order. Right after the run the total sums the
// values the run kept (argument 1); once they no longer hold it reads the hits (argument 0).
void TotalPriceOfAQuarterMillionHits(benchmark::State& state) {
  ListSetup setup;
  SetCartQuerySlots();
  setup.Query();
  if (dbase_anzahlindex != kRecords / 4) return state.SkipWithError("not a quarter");
  if (state.range(0) == 0) DbaseForgetHitValues();
  for (auto _ : state) setup.list.GesamtpreisRechnenExecute(nullptr);
  state.counters["hits"] = dbase_anzahlindex;
}
BENCHMARK(TotalPriceOfAQuarterMillionHits)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ArgName("kept")
    ->Arg(1)
    ->Arg(0);

}  // namespace
