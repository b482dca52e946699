// The cart export: the cart query run through the list window, then one line of order number
// and count per part, in numbered files of at most the chosen number of lines.
#include <cstring>
#include <initializer_list>
#include <vector>

#include "app/CsvExportFile.h"
#include "app/Datenbank_liste.h"
#include "app/Kalvento_warenkorbexportieren.h"
#include "app/Kalvento_warenkorbexportierenHits.h"
#include "engine/DbaseQuerySlots.h"
#include "engine/dbase.h"
#include "platform/controls/application.h"
#include "platform/controls/dialogs.h"

namespace {

constexpr const char* kSavingError = "Fehler beim speichern (saving error)";

// The engine's query, kept across a trial load of another.
struct EngineQuery {
  EngineQuery() {
    std::memcpy(texts, dbase_abfragetext, sizeof texts);
    std::memcpy(fields, dbase_abfragefeld, sizeof fields);
    std::memcpy(descriptions, dbase_beschreibung, sizeof descriptions);
    tab = dbase_reiter;
  }
  void Restore() const {
    std::memcpy(dbase_abfragetext, texts, sizeof texts);
    std::memcpy(dbase_abfragefeld, fields, sizeof fields);
    std::memcpy(dbase_beschreibung, descriptions, sizeof descriptions);
    dbase_reiter = tab;
  }
  char texts[kDbaseSlots][kDbaseSlotSize];
  int fields[kDbaseQueryFields];
  char descriptions[2][kDbaseDescriptionSize];
  int tab;
};

// The current record's cart line; each fault of its data is shown and counted, and the line
// is written all the same.
AnsiString CartLine(int& errors) {
  const AnsiString number = dbase_trAnsi(kOrderNumber);
  const AnsiString designation = dbase_trAnsi(kDesignation);
  const AnsiString count = dbase_trAnsi(kTotalCount);
  if (WarnSemicolon("FEHLER: Daten enthalten (error in data) ';' ", number)) ++errors;
  if (number.size() < 2) {
    ShowMessage(designation +
                " - Bestellnummer fehlt - korrigieren und nochmals exportieren (error: no "
                "ordering number)");
    ++errors;
  }
  // A count that is no whole number orders nothing, as 0 does.
  if (StrToIntDef(count, 0) == 0) {
    ShowMessage(designation +
                " - Anzahl=0 - korrigieren und nochmals exportieren (error: no count)");
    ++errors;
  }
  return number + ";" + count;
}

// The export's buttons are off while it waits for the query and the user, so that a second
// press cannot start another export inside it. Turning off the focused button takes the
// window's focus away; it comes back to that control, so that keys reach the window again.
class ButtonsOff {
 public:
  ButtonsOff(TForm& form, std::initializer_list<TButton*> buttons)
      : form_(form), focused_(form.GetActiveControl()), buttons_(buttons) {
    for (TButton* button : buttons_) button->SetEnabled(false);
  }
  ~ButtonsOff() {
    for (TButton* button : buttons_) button->SetEnabled(true);
    if (focused_ && form_.GetVisible() && focused_->CanFocus()) focused_->SetFocus();
  }
  ButtonsOff(const ButtonsOff&) = delete;
  ButtonsOff& operator=(const ButtonsOff&) = delete;

 private:
  TForm& form_;
  TWinControl* focused_;
  std::vector<TButton*> buttons_;
};

}  // namespace

void TfrmWarenkorbExportieren::Button1Click(TObject* /*Sender*/) {
  // Leaving the edit is not the only way to the button: a maximum below the least would
  // make files without end.
  if (!CheckMaximum()) return;
  const int lines = edtAnzahlProDatei->GetInt();
  ButtonsOff off(*this, {Button1, btnCSVDatei});
  StatusBar1->SetSimpleText("selektiere: Bezugsquelle=Reichelt + bestellen=ja");
  Application->ProcessMessages();
  dbase_warten(1000);
  if (!RunCartQuery()) {
    const AnsiString missing =
        AnsiString(kCartQuery) +
        " - Abfrage fehlt oder geh\xF6rt nicht zu Datenbank - nichts exportiert (cart query "
        "missing)";
    StatusBar1->SetSimpleText(missing);
    ShowMessage(missing);
    return;
  }
  int errors = 0;
  if (SaveDialog1->Execute() && !WriteCart(SaveDialog1->FileName, lines, errors)) return;
  if (errors > 0)
    StatusBar1->SetSimpleText(IntToStr(errors) +
                              " Fehler in den Daten - bitte berichtigen und nochmals exportieren "
                              "(errors in ordering data)");
  else
    StatusBar1->SetSimpleText("Daten o.k.");
}

// Without the cart query the chooser would run the query its window holds, and the list's
// previous hits would go out as the cart.
bool TfrmWarenkorbExportieren::RunCartQuery() {
  if (frmDatenbank_Liste == nullptr || !CartQueryUsable()) return false;
  frmDatenbank_Liste->cboAusgabe->SetText(kCartQuery);
  frmDatenbank_Liste->cboAusgabeChange(this);
  Application->ProcessMessages();
  return dbase_abfrageergebnis != 0;
}

bool TfrmWarenkorbExportieren::CartQueryUsable() {
  const EngineQuery kept;
  const bool usable = dbase_abfrageladen(kCartQuery) == 0 && dbase_kriterienpruefen() == 1;
  kept.Restore();
  return usable;
}

bool TfrmWarenkorbExportieren::WriteCart(const AnsiString& name, int lines, int& errors) {
  const long hits = static_cast<long>(dbase_anzahlindex);
  // One unnumbered name holds every hit only when the file may take them all.
  const bool numbered = lines < DbaseReadableRecords(dbase_tabelle) || lines < hits;
  AnsiString file;
  long p = 0;
  for (int k = 1;; ++k) {
    file = numbered ? WarenkorbDateiname(name, k) : name;
    CsvExportFile out(file);
    bool written = out.IsOpen();
    for (const long end = p + lines; written && p < hits && p < end; ++p)
      if (ReadHit(p)) written = out.WriteLine(CartLine(errors));
    if (!out.Close()) {
      ShowMessage(out.FailureText(kSavingError));
      return false;
    }
    if (p >= hits) break;
  }
  ShowMessage(file + " - gespeichert (saved)");
  return true;
}
