#include "app/ProgramWindows.h"

#include "app/Datenbank_liste.h"
#include "app/Dbaseabfrage.h"
#include "app/Kalvento_warenkorbexportieren.h"
#include "app/Dbaseindexprint.h"
#include "app/Kalvento_maske.h"
#include "app/Kalventohaupt.h"
#include "platform/controls/application.h"

// Each window joins at its place when its unit is written: the entry form and the cart
// export follow the query window, in that order.
void CreateProgramWindows() {
  Application->CreateForm(frmKalventoHaupt);
  Application->CreateForm(frmDatenbank_Liste);
  Application->CreateForm(frmDbaseIndexPrint);
  Application->CreateForm(frmDbaseAbfrage);
  Application->CreateForm(frmKalvento_Maske);
  Application->CreateForm(frmWarenkorbExportieren);
}
