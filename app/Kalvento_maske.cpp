// The entry form's unit: its showing, its activation, the buttons and the close.
#include "app/Kalvento_maske.h"

#include "app/DatabaseDefinition.h"
#include "app/Datenbank_liste.h"
#include "app/Kalvento_maskeFields.h"
#include "engine/dbase.h"

using namespace kalvento_maske;

TfrmKalvento_Maske* frmKalvento_Maske = nullptr;

void dbase_maskeaufrufen() {
  if (dbm_name == "Kalvento.dbm" && frmKalvento_Maske) frmKalvento_Maske->ShowModal();
}

// Limits from the open table, for the fields that have no limit of their own: a number's
// limit counts the digits before its decimal separator.
void TfrmKalvento_Maske::ApplyFieldLimits() {
  for (int n = 0; n < kPartsFields && n < dbase_anzahldatenfelder; ++n) {
    if (n == kOrder || n == kEnglishName) continue;
    const char type = dbase_feldtyp[n];
    if (type != 'C' && type != 'N') continue;
    const int length = dbase_feldlength[n];
    const int decimals = dbase_feldkommastellen[n];
    if (n == kRemarks) {
      edtKalvento_Bemerkunge->SetMaxLength(length);
      continue;
    }
    auto* edit = static_cast<TExtEdit*>(fields_[n]);
    edit->LengthLimit = static_cast<int16_t>(length);
    if (type == 'N' && decimals >= 1) {
      edit->LengthLimit = static_cast<int16_t>(length - decimals - 1);
      edit->SetPrecision(decimals);
    }
  }
}

// The outcome of an earlier showing's last save does not hold for this one. A record another
// operator holds stays open and editable: its saves are refused. Every showing starts in the
// designation, wherever the last one left the focus.
void TfrmKalvento_Maske::FormActivate(TObject* /*Sender*/) {
  ApplyFieldLimits();
  maske_speicherfehler = 0;
  if (dbase_neuersatz) {
    dbase_neuersatz = 0;
    dbase_gesperrt = 0;
    StartNewRecord();
    GlobalNachForm->Execute();
    return;
  }
  edtKalvento_Bezeichnun->SetFocus();
  LoadLocked();
}

// Locked before it is read: a save another copy made before the lock was taken shows, and
// this form's save cannot write stale values over it. A refused lock still shows the record
// as it stands; its saves are refused.
void TfrmKalvento_Maske::LoadLocked() {
  maske_neu = 0;
  dbase_sperren(DbmLockBase(), dbase_satznummer, dbase_bediener);
  maske_satzlesen(dbase_satznummer);
  GlobalNachForm->Execute();
}

// A new record takes no lock; its slot is only a wish until it is written.
void TfrmKalvento_Maske::StartNewRecord() {
  maske_satzleeren();
  GlobalNachForm->Execute();
  maske_neu = 1;
  dbase_neusortieren = 1;
  dbase_satznummer = dbase_freiersatz();
  edtKalvento_Bezeichnun->SetFocus();
}

// A record not yet written holds no lock, and its slot may be another operator's record by
// now.
void TfrmKalvento_Maske::FormClose(TObject* /*Sender*/, TCloseAction& /*Action*/) {
  if (maske_neu != 1) dbase_entsperren(DbmLockBase(), dbase_satznummer, dbase_bediener);
}

void TfrmKalvento_Maske::btnOKClick(TObject* /*Sender*/) {
  actSpeichern->Execute();
  if (maske_speicherfehler != 1) Close();
}

void TfrmKalvento_Maske::btnAbbrechenClick(TObject* /*Sender*/) { Close(); }

void TfrmKalvento_Maske::btnVorClick(TObject* /*Sender*/) { Step(1); }

void TfrmKalvento_Maske::btnZurueckClick(TObject* /*Sender*/) { Step(-1); }

// Without hits there is no next record: the form reads its own again.
void TfrmKalvento_Maske::Step(int step) {
  actSpeichern->Execute();
  if (maske_speicherfehler == 1) return;
  const long hits = static_cast<long>(dbase_anzahlindex);
  if (step > 0 && dbase_indexposition < hits - 1) ++dbase_indexposition;
  if (step < 0 && dbase_indexposition > 0) --dbase_indexposition;
  if (dbase_indexposition < hits) dbase_satznummer = dbase_indexdsnr(dbase_indexposition);
  LoadLocked();
}

// A refused save keeps the typed record on the form.
void TfrmKalvento_Maske::btnNeuerClick(TObject* /*Sender*/) {
  actSpeichern->Execute();
  if (maske_speicherfehler == 1) return;
  dbase_gesperrt = 0;
  StartNewRecord();
}

void TfrmKalvento_Maske::btnDublizierenClick(TObject* /*Sender*/) {
  actSpeichern->Execute();
  if (maske_speicherfehler == 1) return;
  dbase_gesperrt = 0;
  AnsiString designation = edtKalvento_Bezeichnun->GetText() + "_dup";
  const int limit = edtKalvento_Bezeichnun->LengthLimit;
  if (limit > 0 && static_cast<int>(designation.size()) > limit) designation.resize(limit);
  edtKalvento_Bezeichnun->SetText(designation);
  maske_neu = 1;
  dbase_satznummer = dbase_freiersatz();
  dbase_neusortieren = 1;
  edtKalvento_Bezeichnun->SetFocus();
}
