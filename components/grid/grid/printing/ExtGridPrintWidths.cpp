// TExtStringGrid: the column widths and offsets of the last print layout.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/printing/PrintState.h"

int TExtStringGrid::GetPrintColWidth(int ACol) const { return d_->print->ColWidth(ACol); }

int TExtStringGrid::GetPrintColOffset(int ACol) const { return d_->print->ColOffset(ACol); }
