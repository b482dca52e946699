// The definition's globals and their reading, value by value in the file's order.
#include "app/DatabaseDefinition.h"

#include <algorithm>
#include <cstdio>

#include "platform/controls/dialogs.h"
#include "platform/core/c_handle.h"
#include "platform/core/files.h"

AnsiString dbm_datei;
AnsiString dbm_name;
AnsiString dbm_sperrordner;
AnsiString dbm_tabelle;
AnsiString dbm_abfrage;
AnsiString dbm_titel;
int dbm_druckknopf = 0;
int dbm_dublettenpruefung = 0;
AnsiString dbm_spezialtext;
int dbm_spezialknopf = 0;

AnsiString dbm_listenname[kDbmLayouts + 1];
int dbm_spaltenanzahl[kDbmLayouts + 1];
int dbm_spaltenfeld[kDbmColumns + 1][kDbmLayouts + 1];
AnsiString dbm_spaltentitel[kDbmColumns + 1][kDbmLayouts + 1];
AnsiString dbm_spaltenreserve[kDbmColumns + 1][kDbmLayouts + 1];
int dbm_spaltenbreite[kDbmColumns + 1][kDbmLayouts + 1];
int dbm_spaltenfarbe[kDbmColumns + 1][kDbmLayouts + 1];

namespace {

// The switches count as on whatever value they hold besides 0.
int Switch(FILE* file) { return dbase_intlesen(file) != 0 ? 1 : 0; }

// Every layout holds all twenty entries, whatever its column count says.
void ReadLayout(FILE* file, int l) {
  dbm_spaltenanzahl[l] = dbase_intlesen(file);
  for (int c = 1; c <= kDbmColumns; ++c) {
    dbm_spaltenfeld[c][l] = dbase_intlesen(file);
    dbm_spaltentitel[c][l] = dbase_ansilesen(file);
    dbm_spaltenreserve[c][l] = dbase_ansilesen(file);
    dbm_spaltenbreite[c][l] = dbase_intlesen(file);
    dbm_spaltenfarbe[c][l] = dbase_intlesen(file);
  }
}

int Layout(int l) { return l >= 1 && l <= kDbmLayouts ? l : 1; }

}  // namespace

void DatenbankDbmLaden(const AnsiString& name) {
  dbm_datei = name;
  const FilePtr file(std::fopen(NativePath(name).c_str(), "rb"));
  if (!file) {
    ShowMessage("Fehler: DatenbankDbmLaden finde " + name + " nicht!");
    return;
  }
  FILE* f = file.get();
  dbm_name = dbase_ansilesen(f);
  dbm_sperrordner = dbase_ansilesen(f);
  dbm_tabelle = dbase_ansilesen(f);
  dbm_abfrage = dbase_ansilesen(f);
  dbm_titel = dbase_ansilesen(f);
  dbm_druckknopf = dbase_intlesen(f);
  dbm_dublettenpruefung = dbase_intlesen(f);
  dbase_grossklein = static_cast<uint8_t>(Switch(f));
  for (int l = 1; l <= kDbmLayouts; ++l) dbm_listenname[l] = dbase_ansilesen(f);
  for (int l = 1; l <= kDbmLayouts; ++l) ReadLayout(f, l);
  dbm_sperren = Switch(f);
  dbm_zeichensatz = static_cast<uint8_t>(dbase_intlesen(f) & 0xFF);
  dbm_spezialtext = dbase_ansilesen(f);
  dbm_spezialknopf = Switch(f);
}

int DbmColumnCount(int l) { return std::clamp(dbm_spaltenanzahl[Layout(l)], 1, kDbmColumns + 1); }

int DbmColumnWidth(int c, int l) {
  if (c < 1 || c > kDbmColumns) return 0;
  return std::max(dbm_spaltenbreite[c][Layout(l)], 0);
}

AnsiString DbmLockBase() { return dbm_sperrordner + dbm_tabelle; }
