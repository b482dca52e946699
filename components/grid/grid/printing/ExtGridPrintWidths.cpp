// TExtStringGrid: the column widths and offsets of the last print layout.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/printing/PrintState.h"

int TExtStringGrid::GetPrintColWidth(int ACol) const { return print_->ColWidth(ACol); }

int TExtStringGrid::GetPrintColOffset(int ACol) const { return print_->ColOffset(ACol); }
