// Running the query: checked and run by the engine with the progress shown, by the user's
// "&OK" or by the unattended timer; and cancelling.
#include "app/Dbaseabfrage.h"
#include "app/DbaseabfrageControls.h"
#include "engine/DbaseIndexAhead.h"
#include "engine/dbase.h"
#include "platform/controls/application.h"

using namespace dbaseabfrage;

// While a query runs the engine lets the message loop run between records, so the window
// must not start a second run, load, save or close under it: the buttons are off, closing is
// refused, and the progress display goes down however the run ends.
class TfrmDbaseAbfrage::RunScope {
 public:
  explicit RunScope(TfrmDbaseAbfrage& form) : form_(form) {
    form_.running_ = true;
    EnableButtons(false);
  }
  ~RunScope() {
    form_.ShowProgress(false);
    form_.running_ = false;
    EnableButtons(true);
    // A modal form takes a close as its result and acts on it when the run returns.
    if (form_.IsModal()) form_.ModalResult = mrNone;
  }
  RunScope(const RunScope&) = delete;
  RunScope& operator=(const RunScope&) = delete;

 private:
  void EnableButtons(bool enabled) {
    for (TButton* button :
         {form_.btnLaden, form_.btnSpeichern, form_.btnLoeschen, form_.btnAbbrechen, form_.btnOK})
      button->SetEnabled(enabled);
  }
  TfrmDbaseAbfrage& form_;
};

void TfrmDbaseAbfrage::btnOKClick(TObject* /*Sender*/) {
  if (running_) return;
  bool ran = false;
  int saveError = 0;
  {
    RunScope run(*this);
    dbase_prozent = 0;
    // The kernel may read the table during the pauses, and a query for every record has its
    // index rows made in them. The controls are read again after the pauses, so that a
    // change made meanwhile counts.
    DbaseReadRecordsAhead(dbase_tabelle);
    ControlsToEngine();
    DbaseIndexAhead ahead(*grdIndex);
    const auto makeRows = [&ahead] { return ahead.Step(); };
    DbaseWaitWorking(100, makeRows);
    ShowProgress(true);
    DbaseWaitWorking(100, makeRows);
    ControlsToEngine();
    dbase_abfrageergebnis = 255;
    if (dbase_kriterienpruefen() > 0) {
      dbase_abfrageergebnis = 1;
      ahead.Finish();
      dbase_abfrage(grdIndex);
      abfrage_dateiauftrag = "";
      schnellsuche_feld = "";
      schnellsuche_wert = "";
      dbase_ersterindex = 0;
      abfrage_dateiname = kLastQuery;
      saveError = SaveQuery();
      ran = true;
    }
  }
  // The hits stand whatever became of the last query's file; a failed save is told once,
  // after the progress display has gone.
  if (ran && saveError != 0) ShowNotSaved(saveError);
  // A query that did not pass the check leaves the user's entries open to mend.
  if (ran) Close();
}

void TfrmDbaseAbfrage::ShowProgress(bool shown) {
  if (shown) labMeldung->SetCaption("  durchsuche Datens\xE4tze  ");
  ProgressBar1->SetVisible(shown);
  labMeldung->SetVisible(shown);
  Timer1->SetEnabled(shown);
  Screen->SetCursor(shown ? crHourGlass : crDefault);
  Application->ProcessMessages();
}

void TfrmDbaseAbfrage::btnAbbrechenClick(TObject* /*Sender*/) {
  dbase_abfrageergebnis = 0;
  Close();
}

void TfrmDbaseAbfrage::Timer1Timer(TObject* /*Sender*/) {
  ProgressBar1->SetPosition(dbase_prozent);
  if (dbase_prozent != 100)
    labMeldung->SetCaption("  durchsuche Datenbank: " + IntToStr(dbase_prozent) + "%  ");
  else
    labMeldung->SetCaption("  sortiere Datens\xE4tze  ");
  Application->ProcessMessages();
}

// A saved query first, then a quick search; either closes the window whatever its outcome,
// and a saved query that fails to load runs the criteria the controls hold.
void TfrmDbaseAbfrage::Timer2Timer(TObject* /*Sender*/) {
  Timer2->SetInterval(0);
  // A window closed before the first tick keeps its mailboxes for the next showing rather
  // than running a query behind the list's back.
  if (!GetVisible()) return;
  if (!abfrage_dateiauftrag.empty()) {
    try {
      btnLadenClick(this);
    } catch (const std::exception&) {
    }
    btnOKClick(this);
    abfrage_dateiauftrag = "";
    Close();
    Application->ProcessMessages();
  }
  if (!schnellsuche_feld.empty()) {
    // Activation emptied every field combo: the search is the one criterion.
    cbo1->SetText(schnellsuche_feld);
    cbo2->SetText("=");
    cbo3->SetText(schnellsuche_wert);
    cbo25->SetText(schnellsuche_sortierfeld);
    btnOKClick(this);
    schnellsuche_feld = "";
    schnellsuche_wert = "";
    Close();
    Application->ProcessMessages();
  }
  schnellsuche_wert = "";
}
