// The two table instances, the query's globals, their start values and the engine's start
// and end.
#include <algorithm>
#include <cstring>

#include "engine/dbase.h"

namespace {

DbaseTable MainInstance() { return DbaseTable{}; }

DbaseTable LookupInstance() {
  DbaseTable t;
  t.prefix = "dbase2";
  t.hasWindow = false;
  t.asStored = true;
  return t;
}

}  // namespace

DbaseTable dbase_tabelle = MainInstance();
DbaseTable dbase_tabelle2 = LookupInstance();

uint8_t dbm_zeichensatz = 0;

char dbase_abfragetext[kDbaseSlots][kDbaseSlotSize];
int dbase_abfragefeld[kDbaseQueryFields] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
char dbase_beschreibung[2][kDbaseDescriptionSize];
int dbase_reiter = 0;
uint8_t dbase_grossklein = 1;
int dbase_prozent = 0;
uint8_t dbase_abfrageergebnis = 0;
uint32_t dbase_anzahlindex = 0;
uint32_t dbase_ersterindex = 0;
int dbase_indexfeld1 = 0;

namespace {

void QueryAtStart() {
  std::memset(dbase_abfragetext, 0, sizeof dbase_abfragetext);
  std::fill(std::begin(dbase_abfragefeld), std::end(dbase_abfragefeld), -1);
  std::memset(dbase_beschreibung, 0, sizeof dbase_beschreibung);
  dbase_reiter = 0;
  dbase_grossklein = 1;
  dbase_prozent = 0;
  dbase_abfrageergebnis = 0;
  dbase_anzahlindex = 0;
  dbase_ersterindex = 0;
  dbase_indexfeld1 = 0;
}

}  // namespace

void dbase_initialisieren() {
  dbase_finalisieren();
  dbase_tabelle = MainInstance();
  dbase_tabelle2 = LookupInstance();
  std::memset(dbase_text, 0, sizeof dbase_text);
  dbase_nachkomma = 2;
  dbase_tag = dbase_monat = dbase_jahr = 0;
  dbm_zeichensatz = 0;
  dbase_bediener.clear();
  dbase_gesperrt = 0;
  dbm_sperren = 0;
  QueryAtStart();
}

void dbase_finalisieren() {
  DbaseClose(dbase_tabelle2);
  DbaseClose(dbase_tabelle);
}
