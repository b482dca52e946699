#include "tools/sample/HelpDocument.h"

#include <vector>

#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"

namespace {

enum Kind { kTitle, kHeading, kGermanText, kEnglishText };

struct Paragraph {
  Kind kind;
  const char* text;  // UTF-8
};

const std::vector<Paragraph> kHelp = {
    {kTitle, "Kalvento für Vandrix V7 - Hilfe"},
    {kEnglishText, "Kalvento for Vandrix V7 - help"},
    {kGermanText,
     "Kalvento verwaltet die Bauteile des Bausatzes Vandrix V7: was jede Platine braucht, "
     "wo es bestellt wird und was es kostet. Die Datenbank liegt im Programmordner: die "
     "Tabelle Kalvento.dbf, ihre Definition Kalvento.dbm und die gespeicherten Abfragen (*.dba)."},
    {kEnglishText,
     "Kalvento keeps the parts of the Vandrix V7 kit: what each board needs, where to order "
     "it and what it costs. The table, its definition and the saved queries lie in the "
     "program's folder."},

    {kHeading, "Hauptfenster (main window)"},
    {kGermanText,
     "Die Schaltfläche \"Kalvento - Components\" liest die Definition Kalvento.dbm und öffnet "
     "die Teileliste."},
    {kEnglishText,
     "The button \"Kalvento - Components\" reads the definition and opens the parts list."},

    {kHeading, "Teileliste (list window)"},
    {kGermanText,
     "Die Liste zeigt die Treffer der gewählten Abfrage. Die Reiter wählen die Spalten: "
     "Übersicht, Platinen (Anzahl je Platine), Bestellung und Lieferanten (mit der "
     "verknüpften Lieferzeit). Die Bildlaufleiste blättert durch alle Treffer. Oben stehen die "
     "Zahl der Treffer und die Zahl der Datensätze, unten der Gesamtpreis der Treffer."},
    {kEnglishText,
     "The list shows the hits of the chosen query. The tabs choose the columns; the scroll "
     "bar pages through all hits; above stand the hit count and the record count, below the "
     "total price of the hits."},
    {kGermanText,
     "\"gespeicherte Abfrage\" wählt eine Abfrage dieser Tabelle und führt sie aus; "
     "\"Abfrage (selektieren/sortieren)\" öffnet das Abfragefenster. \"bearbeiten\" und ein "
     "Doppelklick auf eine Zeile öffnen den Datensatz in der Eingabemaske, \"neuer "
     "Datensatz\" legt einen an, \"DS löschen\" löscht ihn nach einer Rückfrage. Ein "
     "Doppelklick auf einen Spaltenkopf sucht schnell in dieser Spalte."},
    {kEnglishText,
     "\"gespeicherte Abfrage\" runs a saved query; \"Abfrage (selektieren/sortieren)\" opens "
     "the query window. \"bearbeiten\" and a double click on a row edit the record, \"neuer "
     "Datensatz\" adds one, \"DS löschen\" deletes it after asking. A double click on a "
     "column header searches that column."},

    {kHeading, "Abfrage (query window)"},
    {kGermanText,
     "Bis zu acht Kriterien aus Feld, Operator und Wert: [ (1 und 2) oder (3 und 4) oder "
     "(5 und 6) ] und (7 und 8). Operatoren: = gleich, ! ungleich, < kleiner, > größer. In "
     "Textfeldern steht * für beliebig viele Zeichen und ? für ein Zeichen, zum Beispiel "
     "Reichelt*. Zwei Sortierfelder ordnen die Treffer. Eine Abfrage lässt sich unter einem "
     "Namen speichern und wieder laden."},
    {kEnglishText,
     "Up to eight criteria of field, operator and value, grouped as shown; * and ? are "
     "wildcards in text fields. Two sort fields order the hits. A query can be saved and "
     "loaded by name."},

    {kHeading, "Eingabemaske (record entry form)"},
    {kGermanText,
     "Die Maske zeigt ein Bauteil: Bezeichnung, englischer Name, Bemerkungen, Bezugsquelle, "
     "Bestellnummer und Einzelpreis, dazu die Anzahl auf jeder Platine. Gesamtanzahl und "
     "Gesamtpreis rechnet das Programm selbst. \"bestellen\" nimmt das Teil in die "
     "Bestellliste auf. Eine Bezeichnung darf nur einmal vorkommen."},
    {kEnglishText,
     "The form edits one part; the total count and the total price are computed. "
     "\"bestellen\" puts the part on the order list. A designation may occur only once."},
    {kGermanText,
     "DS vor und DS zurück speichern und gehen zum nächsten oder vorigen Treffer, neuer DS "
     "legt ein Teil an, DS dublizieren kopiert das Teil und hängt an seine Bezeichnung _dup an."},
    {kEnglishText,
     "DS vor / DS zurück save and move to the next or previous hit; neuer DS adds a part; "
     "DS dublizieren copies it with _dup appended."},

    {kHeading, "Warenkorb exportieren (cart export)"},
    {kGermanText,
     "Die Schaltfläche \"Warenkorb exportieren (cart)\" öffnet das Exportfenster. Dort wählt "
     "\"Warenkorb exportieren (reichelt)\" alle bei Reichelt zu bestellenden Teile und "
     "schreibt Bestellnummer und Anzahl in CSV-Dateien, die der Webshop als Warenkorb "
     "einliest; fehlende Bestellnummern und Anzahlen werden gemeldet. \"csv-Datei komplett\" "
     "schreibt alle Treffer der Liste in eine CSV-Datei."},
    {kEnglishText,
     "The cart button opens the export window. There the cart export selects the parts to "
     "order from Reichelt and writes order number and count into CSV files for the web "
     "shop's cart; missing numbers are reported. \"csv-Datei komplett\" writes all hits of "
     "the list into one CSV file."},

    {kHeading, "Drucken (printing)"},
    {kGermanText, "\"drucken\" druckt die Treffer mit den Spalten des gewählten Reiters."},
    {kEnglishText, "\"drucken\" prints the hits with the columns of the chosen tab."},

    {kHeading, "Mehrere Benutzer (several users)"},
    {kGermanText,
     "Wer einen Datensatz bearbeitet, sperrt ihn für andere Benutzer, bis er ihn speichert "
     "oder die Eingabemaske schließt. Die Sperren liegen im Ordner Sperren; eine liegen "
     "gebliebene Sperre gilt nur bis zum Ende des Tages."},
    {kEnglishText,
     "A record being edited is locked for other users until it is saved or closed; a lock "
     "left behind ends with the day."},

    {kHeading, "Preise (prices)"},
    {kGermanText,
     "Die Preise ändern sich laufend. Bitte passen Sie für eine genaue Kalkulation die "
     "Preise an."},
    {kEnglishText, "Prices change all the time; please check them before you calculate."},
};

// Sets the font of a paragraph kind: size in points, bold headings, grey italic English.
void SetFont(TCanvas* canvas, Kind kind) {
  static const int points[] = {18, 13, 10, 10};
  canvas->Font->SetName("Arial");
  canvas->Font->SetSize(points[kind]);
  canvas->Font->SetStyle(kind == kTitle || kind == kHeading ? TFontStyles(fsBold)
                         : kind == kEnglishText             ? TFontStyles(fsItalic)
                                                            : TFontStyles());
  canvas->Font->SetColor(kind == kEnglishText ? static_cast<TColor>(0x555555) : clBlack);
}

// The paragraph's words in lines that fit the width.
std::vector<AnsiString> Lines(TCanvas* canvas, const AnsiString& text, int width) {
  std::vector<AnsiString> lines;
  AnsiString line;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == AnsiString::npos) end = text.size();
    AnsiString word = text.substr(start, end - start);
    AnsiString longer = line.empty() ? word : line + " " + word;
    if (!line.empty() && canvas->TextWidth(longer) > width) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
    start = end + 1;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

// A4 at 300 dots per inch with 2 cm margins, printed into the file by the PDF printer.
bool WriteHelpDocument(const AnsiString& fileName) {
  constexpr int kDpi = 300, kMarginDots = 236;
  auto pdf = std::make_shared<TVirtualPrinter>("PDF", kDpi, TSize{2100, 2970},
                                               TSize{kMarginDots, kMarginDots});
  pdf->FileName = fileName;
  SetInstalledPrinters({pdf});
  TPrinter printer;
  printer.Title = "Kalvento - Hilfe";
  try {
    printer.BeginDoc();
  } catch (const EPrinter&) {
    return false;
  }
  TCanvas* canvas = printer.Canvas;
  canvas->Brush->SetStyle(bsClear);
  // Font sizes count points on the page.
  canvas->Font->SetPixelsPerInch(kDpi);
  const int pageWidth = printer.GetPageWidth(), pageHeight = printer.GetPageHeight();
  int y = 0;
  for (const Paragraph& paragraph : kHelp) {
    SetFont(canvas, paragraph.kind);
    int lineHeight = canvas->TextHeight("Hg") * 6 / 5;
    // A heading keeps a little room above it and never stands alone at the foot of a page.
    if (paragraph.kind == kHeading) y += lineHeight / 2;
    if (paragraph.kind == kHeading && y + 4 * lineHeight > pageHeight) y = pageHeight;
    for (const AnsiString& line : Lines(canvas, Utf8ToAnsi(paragraph.text), pageWidth)) {
      if (y + lineHeight > pageHeight) {
        printer.NewPage();
        y = 0;
      }
      canvas->TextOut(0, y, line);
      y += lineHeight;
    }
    y += paragraph.kind == kGermanText ? lineHeight / 4 : lineHeight / 2;
  }
  try {
    printer.EndDoc();
  } catch (const EPrinter&) {
    return false;
  }
  return true;
}
