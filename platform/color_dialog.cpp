#include "platform/color_dialog.h"

#include "platform/dialogs.h"

bool TColorDialog::Execute() {
  TColor chosen = Color;
  if (!ExecuteColorDialog(chosen)) return false;
  Color = chosen;
  return true;
}
