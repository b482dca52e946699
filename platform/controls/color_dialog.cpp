#include "platform/controls/color_dialog.h"

#include "platform/controls/dialogs.h"

bool TColorDialog::Execute() {
  TColor chosen = Color;
  if (!ExecuteColorDialog(chosen)) return false;
  Color = chosen;
  return true;
}
