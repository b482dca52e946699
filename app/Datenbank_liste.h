// The list window: the program's working window. It opens the definition's table, runs its
// first query and pages through the result index: the grid holds one page of rows, filled
// from the index at every move, and a scroll bar of its own stands for the whole index. Ten
// tabs choose the definition's column layouts. From here the user runs queries, edits, adds
// and deletes records, searches one column quickly, totals the prices of the hits, prints,
// exports the cart and opens the help document.
#pragma once

#include "components/edit/ExtEdit.h"
#include "components/grid/columns/ExtCGrid.h"
#include "platform/controls/forms.h"
#include "platform/controls/timer.h"
#include "platform/core/actions.h"
#include "platform/stdctrls/button.h"
#include "platform/stdctrls/combobox.h"
#include "platform/stdctrls/groupbox.h"
#include "platform/stdctrls/label.h"
#include "platform/stdctrls/pagecontrol.h"
#include "platform/stdctrls/scrollbar.h"
#include "platform/stdctrls/updown.h"

// The grid row and column of the last double click (row 0: the header row); the edit button
// sets the row to the current one.
extern int dbase_klickzeile;
extern int dbase_klickspalte;
// The hand-over to the entry form: the record and its index position, the wish for a new
// record, and the entry form's wish that the list run its query again.
extern long dbase_satznummer;
extern long dbase_indexposition;
extern int dbase_neuersatz;
extern int dbase_neusortieren;

class TfrmDatenbank_Liste : public TForm {
 public:
  static constexpr int kListRows = 24;  // the header and 23 data rows
  static constexpr int kRowHeight = 21;
  static constexpr int kTabs = 10;

  explicit TfrmDatenbank_Liste(TComponent* Owner);
  ~TfrmDatenbank_Liste() override;

  TLabel* labDatenbank;  // the open table's file name
  TLabel* Label1;
  TLabel* labDsNr;  // the index position of the current row
  TLabel* Label2;
  TLabel* labnumberofindex;    // hits
  TLabel* labNumberofrecords;  // records of the table
  TLabel* Label3;
  TComboBox* cboAusgabe;  // the saved queries of this table
  TPageControl* PageControl1;
  TTabSheet* TabSheets[kTabs];  // TabSheet1 .. TabSheet10
  TExtColumnGrid* grdAusgabe;   // one page of the list
  TScrollBar* scrAusgabe;       // position: the index position of the page's first row
  TButton* btnSelektieren;
  TButton* btnBearbeiten;
  TButton* btnNeuerDatensatz;
  TButton* btnLoeschen;
  TButton* btnDrucken;
  TButton* btnSpezial;  // the cart export
  TButton* btnOK;
  TButton* Button1;  // help
  TGroupBox* GroupBox1;
  TLabel* labGesamtpreis;
  TLabel* Label8;
  TTimer* tmrIdle;
  // The layout editor: never shown, it mirrors the current layout.
  TGroupBox* grpEinstellungen;
  TExtColumnGrid* grdEinstellungen;
  TUpDown* UpDown1;
  TButton* btnTabelleKopieren;
  TExtEdit* edtTab;
  TActionList* ActionList1;
  TAction* actEinstellungenLaden;
  TAction* actMaskeAufrufen;
  TAction* Ausgeben;
  TAction* GesamtpreisRechnen;

  void FormActivate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  // Runs the query of the mailboxes (or the user's) and shows its first page.
  void btnSelektierenClick(TObject* Sender);
  void cboAusgabeChange(TObject* Sender);
  void scrAusgabeChange(TObject* Sender);
  void grdAusgabeKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void grdAusgabeDblClickCell(TObject* Sender, int ARow, int ACol);
  void btnBearbeitenClick(TObject* Sender);
  void btnNeuerDatensatzClick(TObject* Sender);
  void btnLoeschenClick(TObject* Sender);
  void btnDruckenClick(TObject* Sender);
  void btnSpezialClick(TObject* Sender);
  void btnOKClick(TObject* Sender);
  void Button1Click(TObject* Sender);
  void PageControl1Change(TObject* Sender);
  void tmrIdleTimer(TObject* Sender);
  // The active tab's layout on the list grid (and the settings grid).
  void actEinstellungenLadenExecute(TObject* Sender);
  // The record of the clicked row to the entry form, or a quick search from the header row.
  void actMaskeAufrufenExecute(TObject* Sender);
  // The page, the scroll bar and the counters from the index as it stands.
  void AusgebenExecute(TObject* Sender);
  void GesamtpreisRechnenExecute(TObject* Sender);
  // Runs the chooser's query again.
  void NeuSortierenExecute(TObject* Sender);

 private:
  void PlaceControls();
  void PlaceButtons();
  void PlaceSettings();
  void BindEvents();
  // The layout's columns on a grid: count, tags, headers, widths and colours.
  void ApplyLayout(TExtColumnGrid* grid, int layout);
  void FillSavedQueries();
  void ShowCounters();
  // Fills the page from dbase_ersterindex on.
  void FillPage();
  // The index position a data row shows; -1 for the header and rows past the hits.
  long RowPosition(int row);
  void QuickSearch(int column);
  void DeleteRow(int row);
  // Whether record n, read now, is still the record the row shows.
  bool RowStillShows(int row, long record);
  // The entry form on dbase_satznummer, or on a new record with dbase_neuersatz.
  void ShowEntryForm();
  void FollowEntryForm(long shown);
  // Makes a row the current one where the grid has it.
  void SelectRow(int row);
};

extern TfrmDatenbank_Liste* frmDatenbank_Liste;
