#include "app/ProgramWindows.h"

#include "app/Dbaseabfrage.h"
#include "app/Dbaseindexprint.h"
#include "app/Kalventohaupt.h"
#include "platform/controls/application.h"

// Each window joins at its place when its unit is written: the list window stands between
// the main window and the list print, the entry form and the cart export follow the query
// window, in that order.
void CreateProgramWindows() {
  Application->CreateForm(frmKalventoHaupt);
  Application->CreateForm(frmDbaseIndexPrint);
  Application->CreateForm(frmDbaseAbfrage);
}
