// The general CSV export: every hit of the list with six fields, each followed by ";", under
// a header line; and what both exports take from the hits.
#include <algorithm>

#include "app/CsvExportFile.h"
#include "app/Kalvento_warenkorbexportieren.h"
#include "app/Kalvento_warenkorbexportierenHits.h"
#include "engine/dbase.h"
#include "platform/controls/dialogs.h"

namespace {

constexpr const char* kHeader =
    "Bezeichnung;Bezugsquelle;Reichelt-Bestellnummer;Einzelpreis;Anzahl;Bemerkungen";
constexpr int kColumns[] = {kDesignation, kSupplier,   kOrderNumber,
                            kUnitPrice,   kTotalCount, kRemarks};

// The current record's line; a ";" in a field is shown and written all the same.
AnsiString GeneralLine() {
  AnsiString line;
  for (int field : kColumns) {
    AnsiString text = dbase_trAnsi(field);
    WarnSemicolon("FEHLER: Daten enthalten ';' ", text);
    // One record, one line.
    if (field == kRemarks)
      std::replace_if(
          text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    line += text + ";";
  }
  return line;
}

}  // namespace

bool ReadHit(long p) { return dbase_lesen(dbase_indexdsnr(p)) == 1; }

bool WarnSemicolon(const AnsiString& warning, const AnsiString& text) {
  if (text.find(';') == AnsiString::npos) return false;
  ShowMessage(warning + text);
  return true;
}

void TfrmWarenkorbExportieren::btnCSVDateiClick(TObject* /*Sender*/) {
  if (!SaveDialog1->Execute()) return;
  const AnsiString name = SaveDialog1->FileName;
  CsvExportFile out(name);
  bool written = out.IsOpen() && out.WriteLine(kHeader);
  const long hits = static_cast<long>(dbase_anzahlindex);
  for (long p = 0; written && p < hits; ++p)
    if (ReadHit(p)) written = out.WriteLine(GeneralLine());
  if (!out.Close()) {
    ShowMessage(out.FailureText("Fehler beim speichern"));
    return;
  }
  ShowMessage(name + " - gespeichert");
}
