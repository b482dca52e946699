// The two table instances, their start values and the engine's start and end.
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
}

void dbase_finalisieren() {
  DbaseClose(dbase_tabelle2);
  DbaseClose(dbase_tabelle);
}
