#include "app/ProgramWindows.h"

#include "app/Datenbank_liste.h"
#include "app/Dbaseabfrage.h"
#include "app/Kalvento_maske.h"
#include "app/Kalventohaupt.h"
#include "platform/controls/application.h"

// Each window joins at its place when its unit is written: the list print stands between the
// list window and the query window, the entry form and the cart export follow it, in that
// order.
void CreateProgramWindows() {
  Application->CreateForm(frmKalventoHaupt);
  Application->CreateForm(frmDatenbank_Liste);
  // The list print window comes here.
  Application->CreateForm(frmDbaseAbfrage);
  Application->CreateForm(frmKalvento_Maske);
}
