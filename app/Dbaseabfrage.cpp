// The query window's unit: its globals, its showing and its activation.
#include "app/Dbaseabfrage.h"

#include "app/DbaseabfrageControls.h"
#include "engine/dbase.h"
#include "platform/controls/application.h"
#include "platform/controls/foreground.h"

using namespace dbaseabfrage;

AnsiString abfrage_dateiauftrag;
AnsiString schnellsuche_feld;
AnsiString schnellsuche_wert;
AnsiString schnellsuche_sortierfeld;
AnsiString abfrage_dateiname;

TfrmDbaseAbfrage* frmDbaseAbfrage = nullptr;

int8_t dbase_abfrageaufrufen() {
  dbase_anzahlindex = 0;
  frmDbaseAbfrage->ShowModal();
  return static_cast<int8_t>(dbase_abfrageergebnis);
}

// Every showing starts at the top, on the case switch above the criteria, so that Tab reads
// the window from there to the buttons.
void TfrmDbaseAbfrage::FormActivate(TObject* /*Sender*/) {
  SetActiveControl(chkGrossKlein);
  // Nothing turns on the jump to a tab; the number still travels with the query.
  labReiter->Hide();
  edtReiter->Hide();
  Application->ProcessMessages();
  dbase_indexgrid = grdIndex;
  SetForegroundWindow(GetHandle());
  chkGrossKlein->SetChecked(dbase_grossklein == 1);
  labDateiName->SetCaption(dbase_dateiname);
  FillFieldLists();

  Application->ProcessMessages();
  if (!abfrage_dateiauftrag.empty() || !schnellsuche_feld.empty()) {
    // A run comes at the first tick: the kernel may read the table meanwhile.
    DbaseReadRecordsAhead(dbase_tabelle);
    Timer2->SetInterval(100);
    return;
  }
  abfrage_dateiauftrag = kLastQuery;
  btnLadenClick(this);
  abfrage_dateiauftrag = "";
}

// The field lists offer no field first, then every field in its order; the values and
// descriptions keep their texts.
void TfrmDbaseAbfrage::FillFieldLists() {
  for (auto member : kFieldCombos) {
    TComboBox* combo = this->*member;
    combo->Clear();
    combo->GetItems()->Add("");
    for (int n = 0; n < dbase_anzahldatenfelder; ++n)
      combo->GetItems()->Add(dbase_feldnameholen(n));
  }
  for (auto member : kOperatorCombos) {
    TComboBox* combo = this->*member;
    combo->Clear();
    for (const char* op : {"=", "<", ">", "!"}) combo->GetItems()->Add(op);
  }
}
