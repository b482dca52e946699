// The colour dialog as a component: Execute offers Color through the dialog handler and keeps
// the colour chosen.
#pragma once

#include "platform/graphics/color.h"
#include "platform/core/component.h"
#include "platform/core/set.h"

enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
using TColorDialogOptions = Set<TColorDialogOption>;

class TColorDialog : public TComponent {
 public:
  explicit TColorDialog(TComponent* AOwner) : TComponent(AOwner) {}

  TColor Color = clBlack;
  TColorDialogOptions Options;

  // True when the user chose a colour; Color then holds it.
  virtual bool Execute();
};
