// The query between the controls and the engine: copied for a run or a save, loaded from
// and saved to .dba files, cleared, and the case switch.
#include <cerrno>

#include "app/Dbaseabfrage.h"
#include "app/DbaseabfrageControls.h"
#include "engine/DbaseQuerySlots.h"
#include "engine/dbase.h"
#include "platform/controls/dialogs.h"
#include "platform/core/save_failure.h"

using namespace dbaseabfrage;

namespace {

// Through the scratch buffer as the engine takes texts, then cut to the field: a text set by
// the program or a mailbox need not have passed the control's length limit.
void CopyToField(char* field, std::size_t size, const AnsiString& text) {
  dbase_ansinachchar(dbase_text, text);
  DbaseSetFixedText(field, size, dbase_text);
}

}  // namespace

void TfrmDbaseAbfrage::ControlsToEngine() {
  for (int k = 1; k <= kSlotControls; ++k)
    CopyToField(dbase_abfragetext[k], kDbaseSlotSize, slots_[k]->GetText());
  CopyToField(dbase_beschreibung[0], kDbaseDescriptionSize, edtBeschreibung1->GetText());
  CopyToField(dbase_beschreibung[1], kDbaseDescriptionSize, edtBeschreibung2->GetText());
}

void TfrmDbaseAbfrage::EngineToControls() {
  for (int k = 1; k <= kSlotControls; ++k) slots_[k]->SetText(DbaseSlot(k));
  edtReiter->SetText(IntToStr(dbase_reiter));
  edtBeschreibung1->SetText(DbaseFixedText(dbase_beschreibung[0], kDbaseDescriptionSize));
  edtBeschreibung2->SetText(DbaseFixedText(dbase_beschreibung[1], kDbaseDescriptionSize));
}

int TfrmDbaseAbfrage::SaveQuery() {
  ControlsToEngine();
  dbase_reiter = edtReiter->GetInt();
  return dbase_abfragespeichern(abfrage_dateiname) == 0 ? 0 : errno;
}

void TfrmDbaseAbfrage::ShowNotSaved(int error) {
  ShowMessage(SaveFailureText(abfrage_dateiname, error,
                              abfrage_dateiname + " - konnte nicht gespeichert werden"));
}

void TfrmDbaseAbfrage::actAbfrageSpeichernExecute(TObject* /*Sender*/) {
  if (int error = SaveQuery()) ShowNotSaved(error);
}

void TfrmDbaseAbfrage::btnSpeichernClick(TObject* /*Sender*/) {
  if (!dbaseabfrageSaveDialog1->Execute()) return;
  abfrage_dateiname = dbaseabfrageSaveDialog1->FileName;
  if (int error = SaveQuery())
    ShowNotSaved(error);
  else
    ShowMessage(abfrage_dateiname + " - gespeichert");
}

void TfrmDbaseAbfrage::btnLadenClick(TObject* /*Sender*/) {
  if (abfrage_dateiauftrag.empty()) {
    if (!dbaseabfrageOpenDialog1->Execute()) return;
    abfrage_dateiname = dbaseabfrageOpenDialog1->FileName;
  } else {
    abfrage_dateiname = abfrage_dateiauftrag;
  }
  // A file that cannot be opened changes nothing in the engine: the controls then show the
  // criteria it holds.
  if (dbase_abfrageladen(abfrage_dateiname) == -1) {
    ShowMessage("Abfrage geh\xF6rt nicht zu Datenbank");
    return;
  }
  EngineToControls();
}

// Only the controls: the engine keeps its query until the next run or save.
void TfrmDbaseAbfrage::btnLoeschenClick(TObject* /*Sender*/) {
  for (auto combo : kFieldCombos) (this->*combo)->SetText("");
  for (auto combo : kOperatorCombos) (this->*combo)->SetText("=");
  for (auto edit : kValueEdits) (this->*edit)->SetText("");
  edtBeschreibung1->SetText("");
  edtBeschreibung2->SetText("");
  edtReiter->SetText("0");
}

void TfrmDbaseAbfrage::chkGrossKleinClick(TObject* /*Sender*/) {
  dbase_grossklein = chkGrossKlein->GetChecked() ? 1 : 0;
}
