#include "app/ProgramWindows.h"

#include "app/Dbaseabfrage.h"
#include "app/Kalventohaupt.h"
#include "platform/controls/application.h"

// Each window joins at its place when its unit is written: the list window and the list
// print stand between the main window and the query window, the entry form and the cart
// export follow it, in that order.
void CreateProgramWindows() {
  Application->CreateForm(frmKalventoHaupt);
  Application->CreateForm(frmDbaseAbfrage);
}
