#include "tools/sample/Hilfedokument.h"

#include <vector>

#include "platform/graphics/pdf_document.h"

namespace {

enum Art { kTitel, kUeberschrift, kDeutsch, kEnglisch };

struct Absatz {
  Art art;
  const char* text;  // UTF-8
};

const std::vector<Absatz> kHilfe = {
    {kTitel, "Kalvento für Vandrix V7 - Hilfe"},
    {kEnglisch, "Kalvento for Vandrix V7 - help"},
    {kDeutsch, "Kalvento verwaltet die Bauteile des Bausatzes Vandrix V7: was jede Platine braucht, "
               "wo es bestellt wird und was es kostet. Die Datenbank liegt im Programmordner: die "
               "Tabelle Kalvento.dbf, ihre Definition Kalvento.dbm und die gespeicherten Abfragen (*.dba)."},
    {kEnglisch, "Kalvento keeps the parts of the Vandrix V7 kit: what each board needs, where to order "
                "it and what it costs. The table, its definition and the saved queries lie in the "
                "program's folder."},

    {kUeberschrift, "Hauptfenster (main window)"},
    {kDeutsch, "Die Schaltfläche \"Kalvento - Components\" liest die Definition Kalvento.dbm und öffnet "
               "die Teileliste."},
    {kEnglisch, "The button \"Kalvento - Components\" reads the definition and opens the parts list."},

    {kUeberschrift, "Teileliste (list window)"},
    {kDeutsch, "Die Liste zeigt die Treffer der gewählten Abfrage. Die Reiter wählen die Spalten: "
               "Übersicht, Platinen (Anzahl je Platine), Bestellung und Lieferanten (mit der "
               "verknüpften Lieferzeit). Die Bildlaufleiste blättert durch alle Treffer, unten stehen "
               "die Zahl der Treffer, die Zahl der Datensätze und der Gesamtpreis der Treffer."},
    {kEnglisch, "The list shows the hits of the chosen query. The tabs choose the columns; the scroll "
                "bar pages through all hits; below stand the hit count, the record count and the total "
                "price of the hits."},
    {kDeutsch, "\"gespeicherte Abfrage\" wählt eine Abfrage dieser Tabelle und führt sie aus. Ein "
               "Doppelklick auf eine Zeile öffnet den Datensatz in der Eingabemaske; ein Doppelklick "
               "auf einen Spaltenkopf sucht schnell in dieser Spalte."},
    {kEnglisch, "\"gespeicherte Abfrage\" runs a saved query. A double click on a row edits the record; "
                "a double click on a column header searches that column."},

    {kUeberschrift, "Abfrage (query window)"},
    {kDeutsch, "Bis zu acht Kriterien aus Feld, Operator und Wert: [ (1 und 2) oder (3 und 4) oder "
               "(5 und 6) ] und (7 und 8). Operatoren: = gleich, ! ungleich, < kleiner, > größer. In "
               "Textfeldern steht * für beliebig viele Zeichen und ? für ein Zeichen, zum Beispiel "
               "Reichelt*. Zwei Sortierfelder ordnen die Treffer. Eine Abfrage lässt sich unter einem "
               "Namen speichern und wieder laden."},
    {kEnglisch, "Up to eight criteria of field, operator and value, grouped as shown; * and ? are "
                "wildcards in text fields. Two sort fields order the hits. A query can be saved and "
                "loaded by name."},

    {kUeberschrift, "Eingabemaske (record entry form)"},
    {kDeutsch, "Die Maske zeigt ein Bauteil: Bezeichnung, englischer Name, Bemerkungen, Bezugsquelle, "
               "Bestellnummer und Einzelpreis, dazu die Anzahl auf jeder Platine. Gesamtanzahl und "
               "Gesamtpreis rechnet das Programm selbst. \"bestellen\" nimmt das Teil in die "
               "Bestellliste auf. Eine Bezeichnung darf nur einmal vorkommen."},
    {kEnglisch, "The form edits one part; the total count and the total price are computed. "
                "\"bestellen\" puts the part on the order list. A designation may occur only once."},
    {kDeutsch, "DS vor und DS zurück speichern und gehen zum nächsten oder vorigen Treffer, neuer DS "
               "legt ein Teil an, DS dublizieren kopiert das Teil unter der Bezeichnung mit _dup."},
    {kEnglisch, "DS vor / DS zurück save and move to the next or previous hit; neuer DS adds a part; "
                "DS dublizieren copies it with _dup appended."},

    {kUeberschrift, "Warenkorb exportieren (cart export)"},
    {kDeutsch, "Die Schaltfläche \"Warenkorb exportieren (cart)\" wählt alle bei Reichelt zu "
               "bestellenden Teile und schreibt Bestellnummer und Anzahl in CSV-Dateien, die der "
               "Webshop als Warenkorb einliest. Fehlende Bestellnummern und Anzahlen werden gemeldet."},
    {kEnglisch, "The cart export selects the parts to order from Reichelt and writes order number and "
                "count into CSV files for the web shop's cart; missing numbers are reported."},

    {kUeberschrift, "Drucken (printing)"},
    {kDeutsch, "\"drucken\" druckt die Treffer mit den Spalten des gewählten Reiters."},
    {kEnglisch, "\"drucken\" prints the hits with the columns of the chosen tab."},

    {kUeberschrift, "Mehrere Benutzer (several users)"},
    {kDeutsch, "Wer einen Datensatz bearbeitet, sperrt ihn für andere Benutzer; die Sperren liegen im "
               "Ordner Sperren und gelten bis zum Ende des Tages."},
    {kEnglisch, "A record being edited is locked for other users until it is saved or closed; a lock "
                "left behind ends with the day."},

    {kUeberschrift, "Preise (prices)"},
    {kDeutsch, "Die Preise ändern sich laufend. Bitte passen Sie für eine genaue Kalkulation die "
               "Preise an."},
    {kEnglisch, "Prices change all the time; please check them before you calculate."},
};

// Sets the font of a paragraph kind: size in points, bold headings, grey italic English.
void Schrift(TCanvas* canvas, Art art) {
  static const int groesse[] = {18, 13, 10, 10};
  canvas->Font->SetName("Arial");
  canvas->Font->SetSize(groesse[art]);
  canvas->Font->SetStyle(art == kTitel || art == kUeberschrift ? TFontStyles(fsBold)
                         : art == kEnglisch                  ? TFontStyles(fsItalic)
                                                             : TFontStyles());
  canvas->Font->SetColor(art == kEnglisch ? static_cast<TColor>(0x555555) : clBlack);
}

// The paragraph's words in lines that fit the width.
std::vector<AnsiString> Zeilen(TCanvas* canvas, const AnsiString& text, int breite) {
  std::vector<AnsiString> zeilen;
  AnsiString zeile;
  std::size_t anfang = 0;
  while (anfang < text.size()) {
    std::size_t ende = text.find(' ', anfang);
    if (ende == AnsiString::npos) ende = text.size();
    AnsiString wort = text.substr(anfang, ende - anfang);
    AnsiString laenger = zeile.empty() ? wort : zeile + " " + wort;
    if (!zeile.empty() && canvas->TextWidth(laenger) > breite) {
      zeilen.push_back(zeile);
      zeile = wort;
    } else {
      zeile = laenger;
    }
    anfang = ende + 1;
  }
  if (!zeile.empty()) zeilen.push_back(zeile);
  return zeilen;
}

}  // namespace

bool HilfedokumentErzeugen(const AnsiString& datei) {
  TPdfDocument pdf(datei, "Kalvento - Hilfe");
  TCanvas* canvas = pdf.Canvas();
  canvas->Brush->SetStyle(bsClear);
  int y = 0;
  for (const Absatz& absatz : kHilfe) {
    Schrift(canvas, absatz.art);
    int zeilenhoehe = canvas->TextHeight("Äg") * 6 / 5;
    // A heading keeps a little room above it and never stands alone at the foot of a page.
    if (absatz.art == kUeberschrift) y += zeilenhoehe / 2;
    if (absatz.art == kUeberschrift && y + 4 * zeilenhoehe > pdf.PageHeight()) y = pdf.PageHeight();
    for (const AnsiString& zeile : Zeilen(canvas, Utf8ToAnsi(absatz.text), pdf.PageWidth())) {
      if (y + zeilenhoehe > pdf.PageHeight()) {
        pdf.NewPage();
        y = 0;
      }
      canvas->TextOut(0, y, zeile);
      y += zeilenhoehe;
    }
    y += absatz.art == kDeutsch ? zeilenhoehe / 4 : zeilenhoehe / 2;
  }
  return pdf.EndDoc();
}
