// The main window: the program's title in German and English, what the database is for, the
// disclaimer on prices, and the button that opens the parts list. The unit also starts and
// ends the engine.
#pragma once

#include "platform/stdctrls/button.h"
#include "platform/controls/forms.h"
#include "platform/stdctrls/label.h"

class TfrmKalventoHaupt : public TForm {
 public:
  explicit TfrmKalventoHaupt(TComponent* Owner);

  TLabel* lblTitel;       // German title
  TLabel* lblTitle;       // English title
  TLabel* lblHinweis;     // what the database is for, in German
  TLabel* lblHaftung;     // the disclaimer on the prices
  TLabel* lblNote;        // what the database is for, in English
  TButton* Button1;       // opens the parts list

  // Reads the definition from the working folder and shows the list window.
  void Button1Click(TObject* Sender);
};

extern TfrmKalventoHaupt* frmKalventoHaupt;

// The unit's start and end: the engine's start and end, run by the first start and the last
// end of a balanced count, so that a second start or a surplus end does nothing.
void KalventohauptInitialization();
void KalventohauptFinalization();
