// The query window: which records of the open table the list shows and in which order. Eight
// criteria of field, operator and value, grouped [ (1 und 2) oder (3 und 4) oder (5 und 6) ]
// und (7 und 8), two sort fields, two lines of description and the case switch. The window
// hands its texts to the engine, which checks and runs them into the hidden index grid; a
// run is saved as "LetzteAbfrage.dba". The list window also drives it without the user,
// through the mailboxes below: the window then runs the query by itself and closes.
#pragma once

#include <cstdint>

#include "components/edit/ExtEdit.h"
#include "components/grid/columns/ExtCGrid.h"
#include "platform/controls/file_dialogs.h"
#include "platform/controls/forms.h"
#include "platform/controls/timer.h"
#include "platform/core/actions.h"
#include "platform/stdctrls/button.h"
#include "platform/stdctrls/checkbox.h"
#include "platform/stdctrls/combobox.h"
#include "platform/stdctrls/edit.h"
#include "platform/stdctrls/label.h"
#include "platform/stdctrls/panel.h"
#include "platform/stdctrls/progressbar.h"

// The mailboxes, filled by the list window before it shows the window: a saved query to load
// and run, or a quick search of one field (the value is matched with "="). A run empties
// them, the sort field of the quick search excepted.
extern AnsiString abfrage_dateiauftrag;
extern AnsiString schnellsuche_feld;
extern AnsiString schnellsuche_wert;
extern AnsiString schnellsuche_sortierfeld;
// The .dba file loaded or saved next.
extern AnsiString abfrage_dateiname;

class TfrmDbaseAbfrage : public TForm {
 public:
  explicit TfrmDbaseAbfrage(TComponent* Owner);

  TLabel* labDatenbank;
  TLabel* labDateiName;  // the open table's file name
  TLabel* Label9;
  TLabel* Label10;
  TPanel* Panel1;
  TLabel* labSuchkriterien;
  TLabel* Label11;
  TCheckBox* chkGrossKlein;
  TLabel* labFeld;
  TLabel* labKriterium;
  TLabel* labFeld2;
  TLabel* labKriterium2;

  // Control k feeds the engine's text slot k. Criterion j is the field combo cbo(3j-2), the
  // operator combo cbo(3j-1) and the value edit cbo(3j); cbo25 and cbo26 are the sort
  // fields, cbo27 a hidden third one.
  TComboBox* cbo1;
  TComboBox* cbo2;
  TEdit* cbo3;
  TComboBox* cbo4;
  TComboBox* cbo5;
  TEdit* cbo6;
  TComboBox* cbo7;
  TComboBox* cbo8;
  TEdit* cbo9;
  TComboBox* cbo10;
  TComboBox* cbo11;
  TEdit* cbo12;
  TComboBox* cbo13;
  TComboBox* cbo14;
  TEdit* cbo15;
  TComboBox* cbo16;
  TComboBox* cbo17;
  TEdit* cbo18;
  TComboBox* cbo19;
  TComboBox* cbo20;
  TEdit* cbo21;
  TComboBox* cbo22;
  TComboBox* cbo23;
  TEdit* cbo24;
  TComboBox* cbo25;
  TComboBox* cbo26;
  TComboBox* cbo27;

  TLabel* labUnd;
  TLabel* labUnd2;
  TLabel* labUnd3;
  TLabel* labUnd5;
  TLabel* laboder;
  TLabel* labOder2;
  TLabel* labUnd4;
  TLabel* Label1;  // the brackets at the start and end of the four lines
  TLabel* Label2;
  TLabel* Label3;
  TLabel* Label4;
  TLabel* Label5;
  TLabel* Label6;
  TLabel* Label7;
  TLabel* Label8;
  TLabel* labSortierkriterien;
  TLabel* labReiter;
  TExtEdit* edtReiter;  // the list tab saved with the query; hidden
  TLabel* labBemerkung;
  TEdit* edtBeschreibung1;
  TEdit* edtBeschreibung2;
  TLabel* labMeldung;  // shown while a query runs
  TProgressBar* ProgressBar1;
  TExtColumnGrid* grdIndex;  // the engine's result index; hidden
  TButton* btnLaden;
  TButton* btnSpeichern;
  TButton* btnLoeschen;
  TButton* btnAbbrechen;
  TButton* btnOK;
  TOpenDialog* dbaseabfrageOpenDialog1;
  TSaveDialog* dbaseabfrageSaveDialog1;
  TTimer* Timer1;  // the progress display while a query runs
  TTimer* Timer2;  // the unattended run, armed by an activation that finds a mailbox filled
  TActionList* ActionList1;
  TAction* actAbfrageSpeichern;

  void FormActivate(TObject* Sender);
  // Checks and runs the query; after a run the window closes. While it runs the buttons are
  // off, the window does not close and a second call returns at once.
  void btnOKClick(TObject* Sender);
  void btnAbbrechenClick(TObject* Sender);
  void btnSpeichernClick(TObject* Sender);
  // Loads the file of abfrage_dateiauftrag, or one the user chooses when it is empty.
  void btnLadenClick(TObject* Sender);
  void btnLoeschenClick(TObject* Sender);
  void chkGrossKleinClick(TObject* Sender);
  void Timer1Timer(TObject* Sender);
  void Timer2Timer(TObject* Sender);
  // Saves the controls' query to abfrage_dateiname.
  void actAbfrageSpeichernExecute(TObject* Sender);

  // The control of text slot k (1-27).
  TControl* SlotControl(int k) const { return slots_[k]; }
  bool Running() const { return running_; }

 private:
  class RunScope;

  void PlaceControls();
  void PlaceCriteria();
  void PlaceButtons();
  void PlaceTabOrder();
  void FillFieldLists();
  // The slots, descriptions and tab number between the controls and the engine.
  void ControlsToEngine();
  void EngineToControls();
  // 0 when written, else the errno of the failure.
  int SaveQuery();
  // A save that failed, in the window's words.
  void ShowNotSaved(int error);
  void ShowProgress(bool shown);

  TControl* slots_[28] = {};
  bool running_ = false;
};

extern TfrmDbaseAbfrage* frmDbaseAbfrage;

// Shows the query window modally with no hits counted yet; its outcome: 0 cancelled, 1 a run
// with hits, -1 a run without hits or an unattended query that did not pass the check.
int8_t dbase_abfrageaufrufen();
