// The button part of the edit-button controls.
#include <algorithm>

#include "components/grid/controls/EsgEditBtn.h"

TEsgEditButton::TEsgEditButton(TComponent* AOwner) : TCustomControl(AOwner) {
  button_ = new TExtSpeedButton(this);
  button_->SetParent(this);
  // The press puts the focus where typing goes, so the button never keeps it.
  button_->OnMouseDown = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
    if (Button == mbLeft && focusControl_ && focusControl_->CanFocus()) focusControl_->SetFocus();
  };
  button_->OnClick = [this](TObject*) { Click(); };
  SetBounds(0, 0, 20, 25);
}

void TEsgEditButton::SetFocusControl(TWinControl* value) {
  if (focusControl_) focusControl_->RemoveFreeNotification(this);
  focusControl_ = value;
  if (value) value->FreeNotification(this);
}

void TEsgEditButton::SetBounds(int left, int top, int width, int height) {
  TCustomControl::SetBounds(left, top, std::max(width, 15), height);
}

void TEsgEditButton::Resize() {
  button_->SetBounds(0, 0, GetWidth(), GetHeight());
  TCustomControl::Resize();
}

void TEsgEditButton::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}
