// The definition of the bundled database: its table, lock folder and first query, and four
// column layouts over the parts table (overview, counts per board, ordering, suppliers with
// the linked delivery time).
#include <initializer_list>

#include "tools/sample/Teiledatenbank.h"
#include "tools/sample/Teiletabelle.h"

namespace {

// Background colours of the columns (0x00BBGGRR).
constexpr int kWeiss = 0xFFFFFF;
constexpr int kPreis = 0xCCFFFF;       // light yellow
constexpr int kBestellung = 0xCCFFCC;  // light green
constexpr int kVerknuepft = 0xFFEECC;  // light blue

struct Spalte {
  int feld;
  const char* titel;
  int breite;
  int farbe = kWeiss;
};

// A layout of the given columns after the index column, which the count includes.
DbmListe Liste(const char* name, std::initializer_list<Spalte> spalten) {
  DbmListe liste;
  liste.name = Utf8ToAnsi(name);
  liste.spaltenanzahl = static_cast<int>(spalten.size()) + 1;
  int c = 0;
  for (const Spalte& s : spalten) liste.spalten[c++] = {s.feld, Utf8ToAnsi(s.titel), "", s.breite, s.farbe};
  return liste;
}

}  // namespace

DbmDefinition KalventoDefinition() {
  DbmDefinition d;
  d.name = "Kalvento.dbm";
  d.sperrordner = kSperrordner;
  d.tabelle = kKalventoTabelle;
  d.abfrage = kAbfrageAlle;
  d.titel = Utf8ToAnsi("Kalvento für Vandrix V7 - Bauteile (components)");
  d.druckknopf = 1;
  d.dublettenpruefung = 1;
  d.grossklein = 0;
  d.listen[0] = Liste("Übersicht / overview",
                      {{kBezeichnung, "Bezeichnung", 220}, {kEnglisch, "english", 170},
                       {kBezugsquelle, "Bezugsquelle", 120}, {kBestellnummer, "Bestellnummer", 130},
                       {kEinzelpreis, "Einzelpreis €", 80, kPreis}, {kAnzahlGesamt, "Anzahl", 55},
                       {kGesamtpreis, "Gesamtpreis €", 85, kPreis}, {kBestellen, "bestellen", 65, kBestellung},
                       {kBemerkungen, "Bemerkungen", 250}});
  d.listen[1] = Liste("Platinen / boards",
                      {{kBezeichnung, "Bezeichnung", 200}, {kHaupt1, "Haupt 1", 55}, {kHaupt2, "Haupt 2", 55},
                       {kG1Spannung, "G1", 40}, {kG3Spannung, "G3", 40}, {kG2Spannung, "G2", 40},
                       {kAnodenspannung, "Anode", 50}, {kHeizspannung, "Heizung", 55},
                       {kKarte600V, "600 V", 45}, {kRelaisplatinen, "Relais", 50},
                       {kMikroprozessor, "Mikro", 45}, {kAnschluss, "Anschluss", 65},
                       {kTrafoplatine, "Trafo", 45}, {kSonstiges, "Sonstiges", 65},
                       {kZusaetzlich, "zusätzlich", 65}, {kAnzahlGesamt, "gesamt", 55, kBestellung}});
  d.listen[2] = Liste("Bestellung / order",
                      {{kBezeichnung, "Bezeichnung", 220}, {kBezugsquelle, "Bezugsquelle", 130},
                       {kBestellnummer, "Bestellnummer", 140}, {kAnzahlGesamt, "Anzahl", 55},
                       {kEinzelpreis, "Einzelpreis €", 80, kPreis}, {kGesamtpreis, "Gesamtpreis €", 85, kPreis},
                       {kBestellen, "bestellen", 65, kBestellung}});
  d.listen[3] = Liste("Lieferanten / suppliers",
                      {{kBezeichnung, "Bezeichnung", 220}, {kBezugsquelle, "Bezugsquelle", 150},
                       {kLieferzeitSpalte, "Lieferzeit (delivery)", 130, kVerknuepft},
                       {kBestellnummer, "Bestellnummer", 140}, {kBestellen, "bestellen", 65, kBestellung}});
  d.sperren = 1;
  d.zeichensatz = 0;
  d.spezialtext = "Warenkorb exportieren (cart)";
  d.spezialknopf = 1;
  return d;
}
