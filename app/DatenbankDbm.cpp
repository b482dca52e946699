// The definition's globals and their reading, value by value in the file's order.
#include "app/DatenbankDbm.h"

#include <algorithm>
#include <cstdio>

#include "platform/controls/dialogs.h"
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

AnsiString dbm_listenname[kDbmListen + 1];
int dbm_spaltenanzahl[kDbmListen + 1];
int dbm_spaltenfeld[kDbmSpalten + 1][kDbmListen + 1];
AnsiString dbm_spaltentitel[kDbmSpalten + 1][kDbmListen + 1];
AnsiString dbm_spaltenreserve[kDbmSpalten + 1][kDbmListen + 1];
int dbm_spaltenbreite[kDbmSpalten + 1][kDbmListen + 1];
int dbm_spaltenfarbe[kDbmSpalten + 1][kDbmListen + 1];

namespace {

// The switches count as on whatever value they hold besides 0.
int Schalter(FILE* datei) { return dbase_intlesen(datei) != 0 ? 1 : 0; }

// Every layout holds all twenty entries, whatever its column count says.
void ListeLesen(FILE* datei, int l) {
  dbm_spaltenanzahl[l] = dbase_intlesen(datei);
  for (int c = 1; c <= kDbmSpalten; ++c) {
    dbm_spaltenfeld[c][l] = dbase_intlesen(datei);
    dbm_spaltentitel[c][l] = dbase_ansilesen(datei);
    dbm_spaltenreserve[c][l] = dbase_ansilesen(datei);
    dbm_spaltenbreite[c][l] = dbase_intlesen(datei);
    dbm_spaltenfarbe[c][l] = dbase_intlesen(datei);
  }
}

int Liste(int l) { return l >= 1 && l <= kDbmListen ? l : 1; }

}  // namespace

void DatenbankDbmLaden(const AnsiString& datei) {
  dbm_datei = datei;
  FILE* f = std::fopen(NativePath(datei).c_str(), "rb");
  if (!f) {
    ShowMessage("Fehler: DatenbankDbmLaden finde " + datei + " nicht!");
    return;
  }
  dbm_name = dbase_ansilesen(f);
  dbm_sperrordner = dbase_ansilesen(f);
  dbm_tabelle = dbase_ansilesen(f);
  dbm_abfrage = dbase_ansilesen(f);
  dbm_titel = dbase_ansilesen(f);
  dbm_druckknopf = dbase_intlesen(f);
  dbm_dublettenpruefung = dbase_intlesen(f);
  dbase_grossklein = static_cast<uint8_t>(Schalter(f));
  for (int l = 1; l <= kDbmListen; ++l) dbm_listenname[l] = dbase_ansilesen(f);
  for (int l = 1; l <= kDbmListen; ++l) ListeLesen(f, l);
  dbm_sperren = Schalter(f);
  dbm_zeichensatz = static_cast<uint8_t>(dbase_intlesen(f) & 0xFF);
  dbm_spezialtext = dbase_ansilesen(f);
  dbm_spezialknopf = Schalter(f);
  std::fclose(f);
}

int DbmSpaltenanzahl(int l) { return std::clamp(dbm_spaltenanzahl[Liste(l)], 1, kDbmSpalten + 1); }

int DbmSpaltenbreite(int c, int l) {
  if (c < 1 || c > kDbmSpalten) return 0;
  return std::max(dbm_spaltenbreite[c][Liste(l)], 0);
}
