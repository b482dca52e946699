// Saving the entry form's record: refused while another operator holds it and for a
// designation another record has; written over the record it was read from, or as a new
// record into a slot that is still free.
#include "app/DatabaseDefinition.h"
#include "app/Datenbank_liste.h"
#include "app/Kalvento_maske.h"
#include "app/Kalvento_maskeFields.h"
#include "engine/DbaseRecordPass.h"
#include "engine/dbase.h"
#include "platform/controls/dialogs.h"

using namespace kalvento_maske;

namespace {

void NotWritten(const AnsiString& why) {
  ShowMessage("Fehler: Datensatz " + IntToStr(dbase_satznummer) + " " + why +
              " - nicht gespeichert");
}

// A new record's memo fields point nowhere.
void ClearMemoFields() {
  for (int n = 0; n < dbase_anzahldatenfelder; ++n)
    if (dbase_feldtyp[n] == 'M') dbase_feldschreibenAnsi("0", n);
}

}  // namespace

// A refusal for another operator's lock is no failure: OK closes and the steps move on.
void TfrmKalvento_Maske::Speichern(TObject* /*Sender*/) {
  FormNachGlobal->Execute();
  if (dbase_gesperrt == 1) {
    ShowMessage("Eventuelle \xC4nderungen in diesem Datensatz wurden nicht gespeichert");
    maske_speicherfehler = 0;
    return;
  }
  if (dbm_dublettenpruefung == 1 && DuplicateOf(maske_satz.bezeichnung)) {
    ShowMessage("Fehler: " + maske_satz.bezeichnung + " bereits in Datenbank vorhanden");
    maske_speicherfehler = 1;
    return;
  }
  maske_speicherfehler = WriteRecord() ? 0 : 1;
}

// Every record position the file holds, deleted ones too (their designation reads empty),
// in one pass: a header that counts more records than the file holds costs no reads past
// its end.
bool TfrmKalvento_Maske::DuplicateOf(const AnsiString& designation) const {
  const AnsiString wanted = AnsiUpperCase(designation);
  bool found = false;
  DbaseRecordPass pass(dbase_tabelle, {kDesignation});
  for (long n = 0; n < pass.Count(); ++n) {
    const int read = pass.Read(n);
    if (read == -2) break;  // the file ends here now
    if (n != dbase_satznummer && AnsiUpperCase(dbase_trAnsi(kDesignation)) == wanted)
      found = true;
  }
  pass.Finish();
  return found;
}

// A new record goes into its slot only while that is still free: another running copy may
// have taken it since it was chosen, and the form then follows the record where it went. An
// existing record is read again first, so that the fields the form does not show keep their
// values; one deleted meanwhile is not written back.
bool TfrmKalvento_Maske::WriteRecord() {
  if (maske_neu == 1 || dbase_satznummer >= static_cast<long>(dbase_anzahldatensaetze)) {
    ClearMemoFields();
    FillRecordBuffer();
    if (dbase_neuschreiben(dbase_satznummer) != 1) {
      NotWritten("konnte nicht geschrieben werden");
      return false;
    }
    maske_neu = 0;
    return true;
  }
  const int read = dbase_lesen(dbase_satznummer);
  if (read != 1) {
    NotWritten(read == -3 ? "wurde inzwischen gel\xF6scht" : "konnte nicht gelesen werden");
    return false;
  }
  if (maske_satzschreiben(dbase_satznummer) != 1) {
    NotWritten("konnte nicht geschrieben werden");
    return false;
  }
  dbase_entsperren(DbmLockBase(), dbase_satznummer, dbase_bediener);
  return true;
}
