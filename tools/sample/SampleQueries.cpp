#include "tools/sample/SampleQueries.h"

#include <cstring>
#include <vector>

#include "engine/DbaseQuerySlots.h"
#include "engine/dbase.h"
#include "tools/sample/SampleDatabase.h"

namespace {

struct Criterion {
  const char* field;
  const char* op;
  const char* value;
};

struct Query {
  const char* file;
  std::vector<Criterion> criteria;  // criteria 1, 2, ... in order
  const char* sortField1;
  const char* sortField2;
  const char* description[2];  // German, then English
  int tab;                     // the list tab the query brings along (0: none)
};

const Query kQueries[] = {
    {kQueryAll,
     {},
     "BEZEICHNUN",
     "",
     {"alle Teile, sortiert nach Bezeichnung", "all parts sorted by designation"},
     0},
    {kQueryReichelt,
     {{"BEZUGSQUEL", "=", "Reichelt*"}, {"BESTELLEN", "=", "ja"}},
     "BEZEICHNUN",
     "",
     {"bei Reichelt zu bestellende Teile (Warenkorb)", "parts to order from Reichelt (cart)"},
     3},
    {kQueryOrderList,
     {{"BESTELLEN", "=", "ja"}},
     "BEZUGSQUEL",
     "BEZEICHNUN",
     {"alle zu bestellenden Teile nach Lieferant", "all parts to order, by supplier"},
     3},
    {kQueryMicroprocessor,
     {{"MIKROPROZE", ">", "0"}},
     "BEZEICHNUN",
     "",
     {"Teile der Mikroprozessorkarte", "parts of the microprocessor board"},
     2},
};

void Slot(int k, const char* text) {
  DbaseSetFixedText(dbase_abfragetext[k], kDbaseSlotSize, text);
}

bool Save(const Query& q, const AnsiString& folder) {
  std::memset(dbase_abfragetext, 0, sizeof dbase_abfragetext);
  for (std::size_t i = 0; i < q.criteria.size(); ++i) {
    int j = static_cast<int>(i) + 1;
    Slot(3 * j - 2, q.criteria[i].field);
    Slot(3 * j - 1, q.criteria[i].op);
    Slot(3 * j, q.criteria[i].value);
  }
  Slot(25, q.sortField1);
  Slot(26, q.sortField2);
  for (int d = 0; d < 2; ++d)
    DbaseSetFixedText(dbase_beschreibung[d], kDbaseDescriptionSize, q.description[d]);
  dbase_reiter = q.tab;
  // A query the engine would refuse is no query to bring along.
  return dbase_kriterienpruefen() == 1 && dbase_abfragespeichern(folder + "/" + q.file) == 0;
}

}  // namespace

bool WriteSampleQueries(const AnsiString& table, const AnsiString& folder) {
  if (dbase_open(table) != 1) return false;
  bool ok = true;
  for (const Query& query : kQueries) ok = Save(query, folder) && ok;
  dbase_close();
  return ok;
}
