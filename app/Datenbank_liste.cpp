// The list window's unit: its globals, its activation, the query runs and the buttons that
// lead to other windows.
#include "app/Datenbank_liste.h"

#include "app/DatabaseDefinition.h"
#include "app/Dbaseabfrage.h"
#include "app/Kalvento_warenkorbexportieren.h"
#include "app/Dbaseindexprint.h"
#include "engine/dbase.h"
#include "platform/controls/application.h"
#include "platform/controls/dialogs.h"
#include "platform/controls/shell.h"
#include "platform/core/files.h"

int dbase_klickzeile = 0;
int dbase_klickspalte = 0;
long dbase_satznummer = 0;
long dbase_indexposition = 0;
int dbase_neuersatz = 0;
int dbase_neusortieren = 0;

TfrmDatenbank_Liste* frmDatenbank_Liste = nullptr;

namespace {

// An operator name that keeps the one it has; every other operator is read from the system.
constexpr const char* kFixedOperator = "warden7";
// The shell's answers up to this one are errors.
constexpr HINSTANCE kShellErrors = 32;

}  // namespace

// Every showing starts on the grid, so the paging keys page at once; the chooser changes the
// query only when a user goes to it. The query run below hands the focus back to it.
void TfrmDatenbank_Liste::FormActivate(TObject* /*Sender*/) {
  SetActiveControl(grdAusgabe);
  if (dbase_bediener != kFixedOperator) dbase_bedienerholen();
  grpEinstellungen->SetVisible(false);
  actEinstellungenLaden->Execute();

  SetCaption(dbm_titel);
  btnDrucken->SetVisible(dbm_druckknopf == 1);
  btnBearbeiten->SetEnabled(true);
  btnNeuerDatensatz->SetEnabled(true);
  btnDrucken->SetEnabled(true);
  btnSpezial->SetEnabled(true);
  btnLoeschen->SetEnabled(true);
  btnSpezial->SetCaption(dbm_spezialtext);
  btnSpezial->SetVisible(dbm_spezialknopf != 0);

  dbase_open(dbm_tabelle);
  labDatenbank->SetCaption(dbase_dateiname);
  for (int k = 0; k < kTabs; ++k) {
    const AnsiString& name = dbm_listenname[k + 1];
    if (!name.empty()) TabSheets[k]->SetCaption(name);
    TabSheets[k]->SetTabVisible(!name.empty());
  }

  Application->ProcessMessages();
  PageControl1->SetActivePageIndex(0);
  actEinstellungenLaden->Execute();
  Application->ProcessMessages();

  FillSavedQueries();
  Application->ProcessMessages();
  cboAusgabe->SetText(dbm_abfrage);
  abfrage_dateiauftrag = dbm_abfrage;
  btnSelektierenClick(this);
  Application->ProcessMessages();
}

// The saved queries of this table, in the order the folder lists them. Each load replaces the
// engine's query, which the run that follows replaces again.
void TfrmDatenbank_Liste::FillSavedQueries() {
  cboAusgabe->GetItems()->Clear();
  TSearchRec found;
  for (int more = FindFirst("*.dba", faAnyFile, found); more == 0; more = FindNext(found))
    if (dbase_abfrageladen(found.Name) == 0) cboAusgabe->GetItems()->Add(found.Name);
  FindClose(found);
}

void TfrmDatenbank_Liste::FormClose(TObject* /*Sender*/, TCloseAction& /*Action*/) {
  dbase_close();
}

void TfrmDatenbank_Liste::btnSelektierenClick(TObject* /*Sender*/) {
  const AnsiString here = GetCurrentDir();
  frmDbaseAbfrage->dbaseabfrageOpenDialog1->InitialDir = here;
  frmDbaseAbfrage->dbaseabfrageSaveDialog1->InitialDir = here;
  grdAusgabe->ClearNormalCells();
  Application->ProcessMessages();
  dbase_abfrageaufrufen();
  SelectRow(1);
  dbase_ersterindex = 0;
  FillPage();
  dbase_scrollbar(scrAusgabe, grdAusgabe);
  ShowCounters();
  dbase_neusortieren = 0;
  GesamtpreisRechnen->Execute();
}

void TfrmDatenbank_Liste::cboAusgabeChange(TObject* /*Sender*/) {
  if (cboAusgabe->GetText().empty()) return;
  SelectRow(1);
  abfrage_dateiauftrag = cboAusgabe->GetText();
  btnSelektierenClick(this);
}

void TfrmDatenbank_Liste::NeuSortierenExecute(TObject* /*Sender*/) {
  abfrage_dateiauftrag = cboAusgabe->GetText();
  dbase_abfrageaufrufen();
  SelectRow(1);
  FillPage();
  dbase_scrollbar(scrAusgabe, grdAusgabe);
  ShowCounters();
  dbase_neusortieren = 0;
}

void TfrmDatenbank_Liste::AusgebenExecute(TObject* /*Sender*/) {
  if (dbase_anzahlindex > 0) dbase_scrollbar(scrAusgabe, grdAusgabe);
  ShowCounters();
  FillPage();
  dbase_neusortieren = 0;
}

void TfrmDatenbank_Liste::ShowCounters() {
  labnumberofindex->SetCaption(IntToStr(static_cast<int64_t>(dbase_anzahlindex)));
  labNumberofrecords->SetCaption(IntToStr(static_cast<int64_t>(dbase_anzahldatensaetze)));
}

void TfrmDatenbank_Liste::btnNeuerDatensatzClick(TObject* /*Sender*/) {
  dbase_neuersatz = 1;
  ShowEntryForm();
  if (dbase_neusortieren == 1)
    NeuSortierenExecute(this);
  else
    Ausgeben->Execute();
  // The total follows the hits: a new record that the query takes in adds its price.
  GesamtpreisRechnen->Execute();
}

// Prints the hits in the layout shown, headed by its tab's caption.
void TfrmDatenbank_Liste::btnDruckenClick(TObject* /*Sender*/) {
  TTabSheet* tab = PageControl1->GetActivePage();
  druck_liste(grdAusgabe, tab ? tab->GetCaption() : AnsiString());
}

void TfrmDatenbank_Liste::btnSpezialClick(TObject* /*Sender*/) {
  frmWarenkorbExportieren->ShowModal();
}

void TfrmDatenbank_Liste::btnOKClick(TObject* /*Sender*/) { Close(); }

// A help document that no program opens is told, with where it was looked for.
void TfrmDatenbank_Liste::Button1Click(TObject* /*Sender*/) {
  const char* help = "Kalvento - Hilfe.pdf";
  const HINSTANCE opened = ShellExecuteA(GetHandle(), "open", help, nullptr, nullptr, SW_SHOWDEFAULT);
  if (opened > kShellErrors) return;
  const AnsiString path = IncludeTrailingPathDelimiter(GetCurrentDir()) + help;
  ShowMessage(opened == SE_ERR_FNF
                  ? "Das Hilfedokument \"" + path + "\" wurde nicht gefunden."
                  : "Das Hilfedokument \"" + path +
                        "\" kann nicht ge\xF6""ffnet werden: kein Programm zeigt PDF-Dateien an.");
}
