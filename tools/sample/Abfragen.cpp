#include "tools/sample/Abfragen.h"

#include <cstring>
#include <vector>

#include "engine/DbaseQuerySlots.h"
#include "engine/dbase.h"
#include "tools/sample/Teiledatenbank.h"

namespace {

struct Kriterium {
  const char* feld;
  const char* op;
  const char* wert;
};

struct Abfrage {
  const char* datei;
  std::vector<Kriterium> kriterien;  // criteria 1, 2, ... in order
  const char* sortierfeld1;
  const char* sortierfeld2;
  const char* beschreibung[2];  // German, then English
  int reiter;                   // the list tab the query brings along
};

const Abfrage kAbfragen[] = {
    {kAbfrageAlle, {}, "BEZEICHNUN", "", {"alle Teile, sortiert nach Bezeichnung", "all parts sorted by designation"}, 0},
    {kAbfrageReichelt,
     {{"BEZUGSQUEL", "=", "Reichelt*"}, {"BESTELLEN", "=", "ja"}},
     "BEZEICHNUN", "",
     {"bei Reichelt zu bestellende Teile (Warenkorb)", "parts to order from Reichelt (cart export)"}, 3},
    {kAbfrageBestellliste,
     {{"BESTELLEN", "=", "ja"}},
     "BEZUGSQUEL", "BEZEICHNUN",
     {"alle zu bestellenden Teile nach Lieferant", "all parts to order, by supplier"}, 3},
    {kAbfrageMikroprozessor,
     {{"MIKROPROZE", ">", "0"}},
     "BEZEICHNUN", "",
     {"Teile der Mikroprozessorkarte", "parts of the microprocessor board"}, 2},
};

void Slot(int k, const char* text) { DbaseSetFixedText(dbase_abfragetext[k], kDbaseSlotSize, text); }

bool Speichern(const Abfrage& a, const AnsiString& ordner) {
  std::memset(dbase_abfragetext, 0, sizeof dbase_abfragetext);
  for (std::size_t i = 0; i < a.kriterien.size(); ++i) {
    int j = static_cast<int>(i) + 1;
    Slot(3 * j - 2, a.kriterien[i].feld);
    Slot(3 * j - 1, a.kriterien[i].op);
    Slot(3 * j, a.kriterien[i].wert);
  }
  Slot(25, a.sortierfeld1);
  Slot(26, a.sortierfeld2);
  for (int d = 0; d < 2; ++d)
    DbaseSetFixedText(dbase_beschreibung[d], kDbaseDescriptionSize, a.beschreibung[d]);
  dbase_reiter = a.reiter;
  // A query the engine would refuse is no query to bring along.
  return dbase_kriterienpruefen() == 1 && dbase_abfragespeichern(ordner + "/" + a.datei) == 0;
}

}  // namespace

bool AbfragenSchreiben(const AnsiString& tabelle, const AnsiString& ordner) {
  if (dbase_open(tabelle) != 1) return false;
  bool gut = true;
  for (const Abfrage& abfrage : kAbfragen) gut = Speichern(abfrage, ordner) && gut;
  dbase_close();
  return gut;
}
