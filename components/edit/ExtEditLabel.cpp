// The attached label follows the edit: placed again at every move, shown as the edit is.
#include "components/edit/ExtEdit.h"

void TExtEdit::VisibleChanged() {
  TCustomEdit::VisibleChanged();
  UpdateLabel();
}

void TExtEdit::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != GetWidth() || height != GetHeight();
  TCustomEdit::SetBounds(left, top, width, height);
  if (resized) ApplyEditRect();
  UpdateLabel();
}

void TExtEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomEdit::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  label_.Forget(AComponent);
  if (AComponent == lookupWindow_) lookupWindow_ = nullptr;
}
