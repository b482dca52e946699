// The tables of the bundled database, written record by record through the engine.
#include "tools/sample/SampleDatabase.h"

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/dbase.h"
#include "platform/core/c_handle.h"
#include "tools/sample/PartsLayout.h"
#include "tools/sample/PartsList.h"
#include "tools/sample/SampleQueries.h"

namespace {

using Record = std::vector<AnsiString>;  // the shown text of each field

AnsiString Number(double value, int decimals) { return FloatToStrF(value, ffFixed, 15, decimals); }

// The fourteen counts of a part by field, from its "H1:4 G1:2" text; the others are 0.
std::map<int, int> Counts(const char* text) {
  static const std::map<std::string, int> fields = {
      {"RE", kRelayBoards},     {"AN", kAnodeVoltage},    {"G2", kG2Voltage},
      {"HZ", kHeaterVoltage},   {"G1", kG1Voltage},       {"G3", kG3Voltage},
      {"MP", kMicroprocessor},  {"SO", kOther},           {"H1", kMainBoard1},
      {"H2", kMainBoard2},      {"ZU", kExtra},           {"6H", kCard600V},
      {"AS", kConnectionBoard}, {"TR", kTransformerBoard}};
  std::map<int, int> counts;
  for (const auto& [name, field] : fields) counts[field] = 0;
  std::istringstream in(text);
  for (std::string entry; in >> entry;) {
    std::size_t colon = entry.find(':');
    counts.at(fields.at(entry.substr(0, colon))) += std::stoi(entry.substr(colon + 1));
  }
  return counts;
}

// A part as the entry form would store it: the total count is the sum of the counts and the
// total price the unit price times that count.
Record PartRecord(const Part& part) {
  Record record(kPartsFields);
  int total = 0;
  for (const auto& [field, count] : Counts(part.counts)) {
    record[field] = IntToStr(count);
    total += count;
  }
  record[kDesignation] = Utf8ToAnsi(part.designation);
  record[kEnglishName] = Utf8ToAnsi(part.english);
  record[kSupplier] = Utf8ToAnsi(part.supplier);
  record[kOrderNumber] = Utf8ToAnsi(part.orderNumber);
  record[kRemarks] = Utf8ToAnsi(part.remarks);
  record[kUnitPrice] = Number(part.unitPrice, 3);
  record[kTotalCount] = IntToStr(total);
  record[kTotalPrice] = Number(std::round(part.unitPrice * total * 100) / 100, 2);
  record[kOrder] = part.order ? "ja" : "nein";
  return record;
}

DbfFile SuppliersLayout() {
  return DbfFile(
      {{"LIEFERANT", 'C', 30}, {"ORT", 'C', 30}, {"LIEFERZEIT", 'C', 20}, {"HINWEIS", 'C', 60}});
}

// The suppliers the linked column looks up by the part's supplier: name, town, delivery
// time, note.
std::vector<Record> Suppliers() {
  const std::vector<std::vector<const char*>> rows = {
      {"Reichelt", "Sande", "1-2 Tage", "Warenkorb als CSV-Datei"},
      {"Röhren-Brandt", "Hamburg", "3-5 Tage", "Röhren auf Anfrage gemessen"},
      {"Vandrix-Projekt", "Sammelbestellung", "4 Wochen", "Leiterplatten und Frontplatte"},
      {"Elektronik-Lager Weber", "Köln", "1 Woche", "Sonderteile"}};
  std::vector<Record> records;
  for (const auto& row : rows) {
    Record record;
    for (const char* text : row) record.push_back(Utf8ToAnsi(text));
    records.push_back(record);
  }
  return records;
}

// Creates the table empty and appends the records through the engine, as the entry form
// stores them; the table is closed again afterwards. The header names the text's code page,
// which the engine keeps but never writes, so other readers show the umlauts.
bool WriteTable(const AnsiString& path, DbfFile layout, const std::vector<Record>& records) {
  layout.languageDriver = kWindowsAnsiDriver;
  layout.Write(path);
  if (dbase_open(path) != 1) return false;
  bool ok = true;
  for (const Record& record : records) {
    for (int field = 0; field < static_cast<int>(record.size()); ++field)
      ok = dbase_feldschreibenAnsi(record[field], field) == 1 && ok;
    ok = dbase_schreiben(dbase_anzahldatensaetze) == 1 && ok;
  }
  dbase_close();
  return ok;
}

// The link file: mode 1, one lookup of the delivery time by the supplier's name.
bool WriteLink(const AnsiString& path) {
  FilePtr link(std::fopen(path.c_str(), "wb"));
  if (!link) return false;
  FILE* file = link.get();
  dbase_ansischreiben("Lieferzeit des Lieferanten", file);
  dbase_intschreiben(1, file);
  dbase_ansischreiben(kSuppliersTable, file);
  dbase_intschreiben(2, file);  // LIEFERZEIT
  dbase_intschreiben(0, file);  // LIEFERANT
  dbase_intschreiben(kSupplier, file);
  dbase_ansischreiben("", file);
  dbase_intschreiben(0, file);
  dbase_intschreiben(0, file);
  return CloseNow(link);
}

// The lock folder exists from the start, with a file that keeps it in version control.
bool MakeLockFolder(const AnsiString& folder) {
  AnsiString path = folder + "/" + kLockFolder;
  if (mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) return false;
  FilePtr placeholder(std::fopen((path + ".gitkeep").c_str(), "wb"));
  return CloseNow(placeholder);
}

}  // namespace

bool WriteSampleDatabase(const AnsiString& folder) {
  std::vector<Record> parts;
  for (const Part& part : PartsList()) parts.push_back(PartRecord(part));
  const AnsiString in = folder + "/";
  struct Step {
    const char* what;
    bool ok;
  };
  // Braced lists run in order: each step is done before the next begins.
  const Step steps[] = {
      {"the parts table", WriteTable(in + kPartsTable, PartsLayout(), parts)},
      {"the suppliers table", WriteTable(in + kSuppliersTable, SuppliersLayout(), Suppliers())},
      {"the link file", WriteLink(in + IntToStr(kDeliveryTimeColumn) + ".vkn")},
      {"the lock folder", MakeLockFolder(folder)},
      {"the saved queries", WriteSampleQueries(in + kPartsTable, folder)},
      {"the definition", WriteDefinition(SampleDefinition(), in + "Kalvento.dbm")},
  };
  bool ok = true;
  for (const Step& step : steps) {
    if (!step.ok) std::fprintf(stderr, "could not write %s\n", step.what);
    ok = ok && step.ok;
  }
  return ok;
}
