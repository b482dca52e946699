// The entry form: one record of the parts table, its designation, English name, remarks,
// supplier, order number and unit price, the fourteen counts of each circuit board and the
// order flag. It works out the total count and the total price as the counts change, refuses
// a designation another record has (when the definition asks it to) and holds the record's
// lock while it shows it. From one record it steps to the next or previous hit, starts a new
// record or copies this one under a new designation.
#pragma once

#include "app/PartsFields.h"
#include "components/edit/ExtEdit.h"
#include "platform/controls/forms.h"
#include "platform/core/actions.h"
#include "platform/stdctrls/button.h"
#include "platform/stdctrls/checkbox.h"
#include "platform/stdctrls/groupbox.h"
#include "platform/stdctrls/label.h"
#include "platform/stdctrls/memo.h"

// The record being edited, one member per field of the parts table (the field numbers in
// brackets).
struct TMaskeSatz {
  AnsiString bezeichnung;    // designation (0)
  int gesamtanzahl = 0;      // total count (1), worked out
  int relaisplatinen = 0;    // (2)
  int anodenspannung = 0;    // (3)
  int g2spannung = 0;        // (4)
  int heizspannung = 0;      // (5)
  int g1spannung = 0;        // (6)
  int g3spannung = 0;        // (7)
  int mikroprozessor = 0;    // (8)
  int sonstiges = 0;         // (9)
  AnsiString bestellnummer;  // the retailer's order number (10)
  double einzelpreis = 0;    // unit price (11)
  AnsiString bemerkungen;    // remarks (12)
  int hauptplatine1 = 0;     // (13)
  int hauptplatine2 = 0;     // (21)
  double gesamtpreis = 0;    // total price (14), worked out
  int zusaetzlich = 0;       // extra quantity to order (15)
  AnsiString bestellen;      // order flag (16): "ja" or "nein"
  int karte600v = 0;         // (17)
  int anschlussplatine = 0;  // (18)
  AnsiString bezugsquelle;   // supplier (19)
  int trafoplatine = 0;      // (20)
  AnsiString english;        // English name (22)
};

extern TMaskeSatz maske_satz;
extern int maske_neu;             // 1: the record has not been written yet
extern int maske_speicherfehler;  // 1: the last save failed (a duplicate), 0 otherwise

// Record n into maske_satz; the engine's result of reading it.
int maske_satzlesen(long n);
// maske_satz into the record buffer and record n (appended at or past the record count);
// the records written.
int maske_satzschreiben(long n);
// Texts empty, numbers 0.
void maske_satzleeren();

class TfrmKalvento_Maske : public TForm {
 public:
  explicit TfrmKalvento_Maske(TComponent* Owner);

  TExtEdit* edtKalvento_Bezeichnun;
  TExtEdit* edtKalvento_English;
  TLabel* labBemerkungen;
  TMemo* edtKalvento_Bemerkunge;
  TGroupBox* grpAnzahl;  // the counts per circuit board
  TExtEdit* edtKalvento_Haupt1;
  TExtEdit* edtKalvento_Haupt2;
  TExtEdit* edtKalvento_G1spannung;
  TExtEdit* edtKalvento_G3spannung;
  TExtEdit* edtKalvento_G2spannung;
  TExtEdit* edtKalvento_Anodenspan;
  TExtEdit* edtKalvento_Heizspannu;
  TExtEdit* edtKalvento_Karte600v;
  TExtEdit* edtKalvento_Relaisplat;
  TExtEdit* edtKalvento_Mikroproze;
  TExtEdit* edtKalvento_Anschlussp;
  TExtEdit* edtKalvento_Trafoplati;
  TExtEdit* edtKalvento_Sonstiges;
  TExtEdit* edtKalvento_Zusaetzlic;
  TExtEdit* edtKalvento_Bezugsquel;
  TExtEdit* edtKalvento_Reicheltbe;
  TExtEdit* edtKalvento_Einzelprei;
  TLabel* labEuro1;
  TExtEdit* edtKalvento_Gesamtprei;
  TLabel* labEuro2;
  TCheckBox* chkKalvento_Bestellen;
  TExtEdit* edtKalvento_Anzahlgesa;
  TGroupBox* grpNavigation;
  TButton* btnZurueck;
  TButton* btnVor;
  TButton* btnNeuer;
  TButton* btnDublizieren;
  TButton* btnAbbrechen;
  TButton* btnOK;
  TActionList* ActionList1;
  TAction* FormNachGlobal;
  TAction* GlobalNachForm;
  TAction* actSpeichern;
  TAction* GesamtanzahlUndPreisErrechnen;

  void FormActivate(TObject* Sender);
  // Gives back the lock of the record the form ends on.
  void FormClose(TObject* Sender, TCloseAction& Action);
  void btnOKClick(TObject* Sender);
  void btnAbbrechenClick(TObject* Sender);
  void btnVorClick(TObject* Sender);
  void btnZurueckClick(TObject* Sender);
  void btnNeuerClick(TObject* Sender);
  void btnDublizierenClick(TObject* Sender);
  // The total count and the total price from the counts and the unit price as they stand.
  void GesamtanzahlUndPreisErrechnenExecute(TObject* Sender);
  // The controls into maske_satz.
  void FormNachGlobalExecute(TObject* Sender);
  // maske_satz into the controls; only changed texts are written.
  void GlobalNachFormExecute(TObject* Sender);
  // Writes the record unless it is another operator's or a duplicate; sets
  // maske_speicherfehler.
  void Speichern(TObject* Sender);

  // The control of field n (0-22): a TExtEdit, the remarks memo, or nullptr for the order
  // flag's check box.
  TCustomEdit* FieldControl(int n) const { return fields_[n]; }

 private:
  void PlaceControls();
  void PlaceCounts();
  void PlaceButtons();
  void BindEvents();
  // The length limits and precisions from the open table's fields.
  void ApplyFieldLimits();
  // Saves; then, unless that failed, the hit `step` places on (cut to the hits), locked, read
  // and shown.
  void Step(int step);
  // The record dbase_satznummer locked, then read and shown.
  void LoadLocked();
  // A record not yet written, in the first free slot from now on.
  void StartNewRecord();
  bool DuplicateOf(const AnsiString& designation) const;
  // Writes maske_satz over the record it was read from, or as a new record.
  bool WriteRecord();

  TCustomEdit* fields_[kPartsFields] = {};
};

extern TfrmKalvento_Maske* frmKalvento_Maske;

// Shows the entry form modally, for the definition "Kalvento.dbm" only.
void dbase_maskeaufrufen();
