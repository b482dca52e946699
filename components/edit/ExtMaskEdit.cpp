// The masked edit's alignment and modified colour; its keys and focus are in
// ExtMaskEditKeys.cpp, the look it shares with the typed edit in EditLook.cpp.
#include "components/edit/ExtMaskEdit.h"

// The masked edit keeps its own normal and focus colours and a single border (TEditLookRules).
TExtMaskEdit::TExtMaskEdit(TComponent* AOwner) : TEditLook(AOwner, TEditLookRules{}) {}

void TExtMaskEdit::SetAlignment(TAlignment Value) {
  TMaskEdit::SetAlignment(Value);
  SetFlatRect();
}

void TExtMaskEdit::SetModified(bool Value) {
  if (ShowModified) GetFont()->SetColor(Value ? ModifiedColor : normalFontColor_);
  TMaskEdit::SetModified(Value);
}

TColor TExtMaskEdit::RestingFontColor() const {
  return ShowModified && GetModified() ? ModifiedColor : normalFontColor_;
}
