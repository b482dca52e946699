#include "tools/sample/DbmSchreiben.h"

#include <cstdio>

#include "engine/dbase.h"
#include "platform/core/files.h"

namespace {

// Collects the values' outcome, so one failed write fails the file.
struct Schreiber {
  FILE* datei;
  bool gut = true;
  void Text(const AnsiString& text) { gut = dbase_ansischreiben(text, datei) == 0 && gut; }
  void Zahl(int wert) { gut = dbase_intschreiben(wert, datei) == 0 && std::ferror(datei) == 0 && gut; }
};

void ListeSchreiben(Schreiber& s, const DbmListe& liste) {
  s.Zahl(liste.spaltenanzahl);
  for (const DbmSpalte& spalte : liste.spalten) {
    s.Zahl(spalte.feld);
    s.Text(spalte.titel);
    s.Text(spalte.reserve);
    s.Zahl(spalte.breite);
    s.Zahl(spalte.farbe);
  }
}

}  // namespace

bool DbmSchreiben(const DbmDefinition& d, const AnsiString& datei) {
  FILE* f = std::fopen(NativePath(datei).c_str(), "wb");
  if (!f) return false;
  Schreiber s{f};
  for (const AnsiString* text : {&d.name, &d.sperrordner, &d.tabelle, &d.abfrage, &d.titel}) s.Text(*text);
  s.Zahl(d.druckknopf);
  s.Zahl(d.dublettenpruefung);
  s.Zahl(d.grossklein);
  for (const DbmListe& liste : d.listen) s.Text(liste.name);
  for (const DbmListe& liste : d.listen) ListeSchreiben(s, liste);
  s.Zahl(d.sperren);
  s.Zahl(d.zeichensatz);
  s.Text(d.spezialtext);
  s.Zahl(d.spezialknopf);
  return std::fclose(f) == 0 && s.gut;
}
