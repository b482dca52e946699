// The shared look: colours of the normal and disabled states, the flat look and its painting,
// the focus border as the mouse comes and goes, and the attached label following the edit.
#include "components/edit/EditLook.h"

#include "components/edit/EditFrame.h"
#include "platform/stdctrls/maskedit.h"

template <typename Edit>
TEditLook<Edit>::TEditLook(TComponent* AOwner, TEditLookRules Rules)
    : Edit(AOwner),
      TLabelSettings(this),
      rules_(Rules),
      paintOver_(
          std::make_unique<TPaintOver>(this, [this](TCanvas* Canvas) { WMPaint(*Canvas); })) {
  SetFlatRect();
}

template <typename Edit>
void TEditLook<Edit>::Loaded() {
  Edit::Loaded();
  normalColor_ = this->GetColor();
  normalFontColor_ = this->GetFont()->GetColor();
  savedBorderStyle_ = this->GetBorderStyle();
  if (flat_) {
    flat_ = false;
    SetFlat(true);
  }
  UpdateLabel();
  if (!this->GetEnabled()) {
    this->SetColor(disabledColor_);
    label_.FollowEnabled();
  }
}

template <typename Edit>
void TEditLook<Edit>::SetColorEx(TColor Value) {
  this->SetColor(Value);
  normalColor_ = Value;
}

template <typename Edit>
void TEditLook<Edit>::SetDisabledColor(TColor Value) {
  disabledColor_ = Value;
  if (!this->GetEnabled()) this->SetColor(Value);
  this->Invalidate();
}

template <typename Edit>
void TEditLook<Edit>::EnabledChanged() {
  Edit::EnabledChanged();
  if (Loading()) return;
  if (!this->GetEnabled()) {
    if (rules_.TakeShownColor) normalColor_ = this->GetColor();
    this->SetColor(disabledColor_);
  } else {
    this->SetColor(normalColor_);
  }
  label_.FollowEnabled();
}

// The parent's colour replaces the edit's own while flat; the own colour returns after.
template <typename Edit>
void TEditLook<Edit>::SetFlat(bool Value) {
  if (Loading()) {
    flat_ = Value;
    return;
  }
  if (Value == flat_) return;
  flat_ = Value;
  if (Value) {
    if (rules_.TakeShownColor) normalColor_ = this->GetColor();
    unflatColor_ = normalColor_;
    if (flatParentColor_) {
      SetColorEx(EditParentColor(*this));
      // The parent's colour as the focus colour too, so taking the focus keeps it.
      if (rules_.FlatFocusColor) FocusColor = EditParentColor(*this);
    }
    savedBorderStyle_ = this->GetBorderStyle();
    this->SetBorderStyle(bsNone);
  } else {
    SetColorEx(unflatColor_);
    this->SetBorderStyle(rules_.KeepBorderStyle ? savedBorderStyle_ : bsSingle);
  }
  SetFlatRect();
  this->Invalidate();
}

template <typename Edit>
void TEditLook<Edit>::SetFlatRect() {
  ApplyFlatRect(*this, flat_);
}

// While loading the label shows the edit's font until Loaded gives it LabelFont.
template <typename Edit>
void TEditLook<Edit>::FontChanged() {
  if (Loading()) label_.ShowWhileLoading(*this->GetFont());
  Edit::FontChanged();
  SetFlatRect();
}

// ---- Painting ----

// The border first, as the frame around the text is drawn before the text.
template <typename Edit>
void TEditLook<Edit>::WMPaint(TCanvas& Canvas) {
  DrawBorder(Canvas);
  PaintEdit(Canvas);
  if (border3D_) DrawBorder(Canvas);
}

template <typename Edit>
void TEditLook<Edit>::PaintEdit(TCanvas& Canvas) {
  if (flat_ && focusBorder_)
    DrawControlBorder(Canvas);
  else if (flat_)
    DrawFlatLine(Canvas, *this, flatLineColor_, softBorder_);
}

template <typename Edit>
bool TEditLook<Edit>::Is3DBorderButton() const {
  return Is3DBorder(*this, focusBorder_, border3D_, mouseInside_);
}

template <typename Edit>
void TEditLook<Edit>::DrawBorder(TCanvas& Canvas) {
  if (flat_ || (focusBorder_ && mouseInside_) || border3D_) DrawControlBorder(Canvas);
}

template <typename Edit>
void TEditLook<Edit>::DrawControlBorder(TCanvas& Canvas) {
  ::DrawControlBorder(Canvas, *this, Is3DBorderButton());
}

template <typename Edit>
void TEditLook<Edit>::CMMouseEnter() {
  Edit::CMMouseEnter();
  if (AutoFocus && this->CanFocus() && !this->Focused()) this->SetFocus();
  if (!mouseInside_ && this->GetEnabled()) {
    mouseInside_ = true;
    if (focusBorder_) this->Invalidate();
  }
}

template <typename Edit>
void TEditLook<Edit>::CMMouseLeave() {
  Edit::CMMouseLeave();
  mouseInside_ = false;
  if (focusBorder_) this->Invalidate();
}

// ---- Label ----

template <typename Edit>
void TEditLook<Edit>::VisibleChanged() {
  Edit::VisibleChanged();
  UpdateLabel();
}

template <typename Edit>
void TEditLook<Edit>::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != this->GetWidth() || height != this->GetHeight();
  Edit::SetBounds(left, top, width, height);
  if (resized) SetFlatRect();
  UpdateLabel();
}

template <typename Edit>
void TEditLook<Edit>::Notification(TComponent* AComponent, TOperation Operation) {
  Edit::Notification(AComponent, Operation);
  if (Operation == opRemove) label_.Forget(AComponent);
}

template class TEditLook<TCustomEdit>;
template class TEditLook<TMaskEdit>;
