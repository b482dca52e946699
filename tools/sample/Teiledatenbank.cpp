// The tables of the bundled database, written record by record through the engine.
#include "tools/sample/Teiledatenbank.h"

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/dbase.h"
#include "tools/sample/Abfragen.h"
#include "tools/sample/Teileliste.h"
#include "tools/sample/Teiletabelle.h"

namespace {

using Satz = std::vector<AnsiString>;

AnsiString Zahl(double wert, int nachkomma) { return FloatToStrF(wert, ffFixed, 15, nachkomma); }

// The fourteen counts of a part by board, from its "H1:4 G1:2" text; the others are 0.
std::map<int, int> Anzahlen(const char* text) {
  static const std::map<std::string, int> felder = {
      {"RE", kRelaisplatinen}, {"AN", kAnodenspannung}, {"G2", kG2Spannung}, {"HZ", kHeizspannung},
      {"G1", kG1Spannung},     {"G3", kG3Spannung},     {"MP", kMikroprozessor}, {"SO", kSonstiges},
      {"H1", kHaupt1},         {"H2", kHaupt2},         {"ZU", kZusaetzlich}, {"6H", kKarte600V},
      {"AS", kAnschluss},      {"TR", kTrafoplatine}};
  std::map<int, int> anzahlen;
  for (const auto& [name, feld] : felder) anzahlen[feld] = 0;
  std::istringstream in(text);
  for (std::string eintrag; in >> eintrag;) {
    std::size_t doppelpunkt = eintrag.find(':');
    anzahlen.at(felder.at(eintrag.substr(0, doppelpunkt))) += std::stoi(eintrag.substr(doppelpunkt + 1));
  }
  return anzahlen;
}

// A part as the entry form would store it: the total count is the sum of the counts and the
// total price the unit price times that count.
Satz TeilSatz(const Teil& teil) {
  Satz satz(kTeileFelder);
  int gesamt = 0;
  for (const auto& [feld, anzahl] : Anzahlen(teil.anzahlen)) {
    satz[feld] = IntToStr(anzahl);
    gesamt += anzahl;
  }
  satz[kBezeichnung] = Utf8ToAnsi(teil.bezeichnung);
  satz[kEnglisch] = Utf8ToAnsi(teil.english);
  satz[kBezugsquelle] = Utf8ToAnsi(teil.bezugsquelle);
  satz[kBestellnummer] = Utf8ToAnsi(teil.bestellnummer);
  satz[kBemerkungen] = Utf8ToAnsi(teil.bemerkung);
  satz[kEinzelpreis] = Zahl(teil.einzelpreis, 3);
  satz[kAnzahlGesamt] = IntToStr(gesamt);
  satz[kGesamtpreis] = Zahl(std::round(teil.einzelpreis * gesamt * 100) / 100, 2);
  satz[kBestellen] = teil.bestellen ? "ja" : "nein";
  return satz;
}

DbfFile LieferantenTabelle() {
  return DbfFile({{"LIEFERANT", 'C', 30}, {"ORT", 'C', 30}, {"LIEFERZEIT", 'C', 20}, {"HINWEIS", 'C', 60}});
}

// The suppliers the linked column looks up by the part's supplier.
std::vector<Satz> Lieferanten() {
  const std::vector<std::vector<const char*>> zeilen = {
      {"Reichelt", "Sande", "1-2 Tage", "Warenkorb als CSV-Datei"},
      {"Röhren-Brandt", "Hamburg", "3-5 Tage", "Röhren auf Anfrage gemessen"},
      {"Vandrix-Projekt", "Sammelbestellung", "4 Wochen", "Leiterplatten und Frontplatte"},
      {"Elektronik-Lager Weber", "Köln", "1 Woche", "Sonderteile"}};
  std::vector<Satz> saetze;
  for (const auto& zeile : zeilen) {
    Satz satz;
    for (const char* text : zeile) satz.push_back(Utf8ToAnsi(text));
    saetze.push_back(satz);
  }
  return saetze;
}

void Fehler(const AnsiString& text) { std::fprintf(stderr, "%s\n", AnsiToUtf8(text).c_str()); }

// Creates the table empty and appends the records through the engine, as the entry form
// stores them; the table is closed again afterwards.
bool TabelleSchreiben(const AnsiString& pfad, const DbfFile& aufbau, const std::vector<Satz>& saetze) {
  aufbau.Write(pfad);
  if (dbase_open(pfad) != 1) return false;
  bool gut = true;
  for (const Satz& satz : saetze) {
    for (int feld = 0; feld < static_cast<int>(satz.size()); ++feld)
      gut = dbase_feldschreibenAnsi(satz[feld], feld) == 1 && gut;
    gut = dbase_schreiben(dbase_anzahldatensaetze) == 1 && gut;
  }
  dbase_close();
  return gut;
}

// The link file: mode 1, one lookup of the supplier's delivery time by the supplier's name.
bool VerknuepfungSchreiben(const AnsiString& pfad) {
  FILE* datei = std::fopen(pfad.c_str(), "wb");
  if (!datei) return false;
  dbase_ansischreiben("Lieferzeit des Lieferanten", datei);
  dbase_intschreiben(1, datei);
  dbase_ansischreiben(kLieferantenTabelle, datei);
  dbase_intschreiben(2, datei);  // LIEFERZEIT
  dbase_intschreiben(0, datei);  // LIEFERANT
  dbase_intschreiben(kBezugsquelle, datei);
  dbase_ansischreiben("", datei);
  dbase_intschreiben(0, datei);
  dbase_intschreiben(0, datei);
  return std::fclose(datei) == 0;
}

// The lock folder exists from the start, with a file that keeps it in version control.
bool SperrordnerAnlegen(const AnsiString& ordner) {
  AnsiString pfad = ordner + "/" + kSperrordner;
  if (mkdir(pfad.c_str(), 0777) != 0 && errno != EEXIST) return false;
  FILE* platzhalter = std::fopen((pfad + ".gitkeep").c_str(), "wb");
  return platzhalter && std::fclose(platzhalter) == 0;
}

}  // namespace

bool TeiledatenbankErzeugen(const AnsiString& ordner) {
  std::vector<Satz> teile;
  for (const Teil& teil : Teileliste()) teile.push_back(TeilSatz(teil));
  struct Schritt {
    const char* was;
    bool gut;
  };
  const AnsiString pfad = ordner + "/";
  const Schritt schritte[] = {
      {"die Teiletabelle", TabelleSchreiben(pfad + kKalventoTabelle, Teiletabelle(), teile)},
      {"die Lieferantentabelle", TabelleSchreiben(pfad + kLieferantenTabelle, LieferantenTabelle(), Lieferanten())},
      {"die Verkn\xFCpfung", VerknuepfungSchreiben(pfad + IntToStr(kLieferzeitSpalte) + ".vkn")},
      {"den Sperrordner", SperrordnerAnlegen(ordner)},
      {"die Abfragen", AbfragenSchreiben(pfad + kKalventoTabelle, ordner)},
      {"die Definition", DbmSchreiben(KalventoDefinition(), pfad + "Kalvento.dbm")},
  };
  bool gut = true;
  for (const Schritt& schritt : schritte) {
    if (!schritt.gut) Fehler(AnsiString("Fehler beim Schreiben: ") + schritt.was);
    gut = gut && schritt.gut;
  }
  return gut;
}
