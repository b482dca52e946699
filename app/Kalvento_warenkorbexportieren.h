// The export window: the shopping cart for the retailer's web shop (order number and count of
// the parts to order, in files of at most a chosen number of lines) and the general CSV file
// of the list's hits. Both write semicolon-separated lines ended by LF, unquoted.
#pragma once

#include <cstdio>

#include "components/edit/ExtEdit.h"
#include "platform/controls/file_dialogs.h"
#include "platform/controls/forms.h"
#include "platform/stdctrls/button.h"
#include "platform/stdctrls/groupbox.h"
#include "platform/stdctrls/label.h"
#include "platform/stdctrls/memo.h"
#include "platform/stdctrls/statusbar.h"

class TfrmWarenkorbExportieren : public TForm {
 public:
  // The saved query that selects the cart: the retailer's parts marked to order.
  static constexpr const char* kCartQuery = "Kalvento - nur bei Reichelt zu bestellende.dba";
  static constexpr int kDefaultLines = 1000;
  static constexpr int kLeastLines = 10;

  explicit TfrmWarenkorbExportieren(TComponent* Owner);

  TMemo* Memo1;  // the instructions
  TGroupBox* GroupBox1;
  TLabel* Label1;
  TLabel* Label3;
  TLabel* Label4;
  TExtEdit* edtAnzahlProDatei;  // most lines per cart file
  TButton* Button1;
  TGroupBox* GroupBox2;
  TLabel* Label2;
  TButton* btnCSVDatei;
  TStatusBar* StatusBar1;
  TSaveDialog* SaveDialog1;

  // The cart: runs the cart query through the list window's chooser and writes the hits.
  void Button1Click(TObject* Sender);
  // Every hit of the list with six fields, under a header line.
  void btnCSVDateiClick(TObject* Sender);
  void edtAnzahlProDateiExit(TObject* Sender);
  void FormShow(TObject* Sender);

 private:
  void PlaceControls();
  // False after the message, with the edit back at the default.
  bool CheckMaximum();
  // Whether the cart query belongs to the open table and passes the check; the engine's
  // query stays as it was.
  bool CartQueryUsable();
  // Runs the cart query through the list window: false when it did not run.
  bool RunCartQuery();
  // Writes the hits into files of at most `lines` lines: false after a message when a file
  // could not be written. `errors` counts the faulty records.
  bool WriteCart(const AnsiString& name, int lines, int& errors);
};

extern TfrmWarenkorbExportieren* frmWarenkorbExportieren;

// dbase_text and LF: 0, or -1 when the write failed.
int csv_zeileschreiben(FILE* datei);
// The same for a line of any length, which dbase_text would cut.
int csv_zeileschreiben(FILE* datei, const AnsiString& zeile);

// The name of cart file k: the number before the final extension ("korb.csv" -> "korb_2.csv"),
// at the end of a name without one.
AnsiString WarenkorbDateiname(const AnsiString& name, int k);
