// Reading every record of a large parts table through the read window, and the shown text of
// two fields of each, as a query run does.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "engine/dbase.h"
#include "tests/engine/DbfFile.h"

namespace {

constexpr long kRecords = 1000000;

// The parts table's layout: designation, counts, order number, prices, remarks, flag, ...
DbfFile PartsLayout() {
  std::vector<DbfField> fields = {{"BEZEICHNUN", 'C', 40}, {"ANZAHLGESA", 'N', 6}};
  for (const char* count : {"RELAISPLAT", "ANODENSPAN", "G2SPANNUNG", "HEIZSPANNU", "G1SPANNUNG",
                            "G3SPANNUNG", "MIKROPROZE", "SONSTIGES"})
    fields.push_back({count, 'N', 4});
  fields.insert(fields.end(), {{"REICHELTBE", 'C', 20}, {"EINZELPREI", 'N', 10, 3}, {"BEMERKUNGE", 'C', 100},
                               {"HAUPT1", 'N', 4}, {"GESAMTPREI", 'N', 10, 2}, {"ZUSAETZLIC", 'N', 4},
                               {"BESTELLEN", 'L', 1}, {"KARTE600V", 'N', 4}, {"ANSCHLUSSP", 'N', 4},
                               {"BEZUGSQUEL", 'C', 30}, {"TRAFOPLATI", 'N', 4}, {"HAUPT2", 'N', 4},
                               {"ENGLISH", 'C', 30}});
  return DbfFile(fields);
}

// The table in the temporary folder for the program's run.
struct BenchTable {
  BenchTable() { Write(); }
  ~BenchTable() { std::remove(path.c_str()); }
  std::string path = (std::filesystem::temp_directory_path() /
                      ("kalvento-bench-" + std::to_string(getpid()) + ".dbf")).string();
  void Write() const;
};

void BenchTable::Write() const {
  DbfFile file = PartsLayout();
  file.count = kRecords;
  std::ofstream out(path, std::ios::binary);
  out << file.Header();
  for (long n = 0; n < kRecords; ++n) {
    std::string price = std::to_string(n % 1000) + ".125";
    out << file.Record({"Widerstand " + std::to_string(n), "     3", "   1", "   0", "   0", "   0",
                        "   2", "   0", "   0", "   0", "ORD-" + std::to_string(n),
                        std::string(10 - price.size(), ' ') + price, "Bemerkung", "   0", "     3.75",
                        "   0", "T", "   0", "   0", "Reichelt", "   0", "   0", "resistor"});
  }
}

void ReadAllRecordsThroughTheWindow(benchmark::State& state) {
  static const BenchTable table;
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
