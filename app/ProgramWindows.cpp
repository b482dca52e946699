#include "app/ProgramWindows.h"

#include "app/Kalventohaupt.h"
#include "platform/controls/application.h"

// Each window joins at its place when its unit is written: the list window, the list print,
// the query window, the entry form and the cart export follow the main window, in that order.
void CreateProgramWindows() { Application->CreateForm(frmKalventoHaupt); }
