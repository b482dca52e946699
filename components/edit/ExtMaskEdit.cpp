// The masked edit's look: colours of the normal, focused, modified and disabled states, the
// flat look, its painting, and the attached label.
#include "components/edit/ExtMaskEdit.h"

#include "components/edit/EditFrame.h"

TExtMaskEdit::TExtMaskEdit(TComponent* AOwner)
    : TMaskEdit(AOwner),
      TLabelSettings(this),
      paintOver_(
          std::make_unique<TPaintOver>(this, [this](TCanvas* Canvas) { WMPaint(*Canvas); })) {
  SetFlatRect();
}

// The colours set while loading are the normal ones; the flat look and the label follow.
void TExtMaskEdit::Loaded() {
  TMaskEdit::Loaded();
  normalColor_ = GetColor();
  normalFontColor_ = GetFont()->GetColor();
  if (flat_) {
    flat_ = false;
    SetFlat(true);
  }
  UpdateLabel();
  if (!GetEnabled()) {
    SetColor(disabledColor_);
    label_.FollowEnabled();
  }
}

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

void TExtMaskEdit::SetColorEx(TColor Value) {
  SetColor(Value);
  normalColor_ = Value;
}

void TExtMaskEdit::SetDisabledColor(TColor Value) {
  disabledColor_ = Value;
  if (!GetEnabled()) SetColor(Value);
  Invalidate();
}

void TExtMaskEdit::EnabledChanged() {
  TMaskEdit::EnabledChanged();
  if (Loading()) return;
  SetColor(GetEnabled() ? normalColor_ : disabledColor_);
  label_.FollowEnabled();
}

// The parent's colour stands in for the edit's own while flat, and gives it back after.
void TExtMaskEdit::SetFlat(bool Value) {
  if (Loading()) {
    flat_ = Value;
    return;
  }
  if (Value == flat_) return;
  flat_ = Value;
  if (Value) {
    unflatColor_ = normalColor_;
    if (flatParentColor_) SetColorEx(EditParentColor(*this));
    SetBorderStyle(bsNone);
  } else {
    SetColorEx(unflatColor_);
    SetBorderStyle(bsSingle);
  }
  SetFlatRect();
  Invalidate();
}

void TExtMaskEdit::SetFlatRect() { ApplyFlatRect(*this, flat_); }

void TExtMaskEdit::SetFlatLineColor(TColor Value) {
  flatLineColor_ = Value;
  Invalidate();
}

void TExtMaskEdit::SetFlatParentColor(bool Value) {
  flatParentColor_ = Value;
  Invalidate();
}

void TExtMaskEdit::SetSoftBorder(bool Value) {
  softBorder_ = Value;
  Invalidate();
}

void TExtMaskEdit::SetFocusBorder(bool Value) {
  focusBorder_ = Value;
  Invalidate();
}

// While loading the label shows the edit's font until Loaded gives it LabelFont.
void TExtMaskEdit::FontChanged() {
  if (Loading()) label_.ShowWhileLoading(*GetFont());
  TMaskEdit::FontChanged();
  SetFlatRect();
}

// ---- Painting ----

void TExtMaskEdit::WMPaint(TCanvas& Canvas) {
  DrawBorder(Canvas);
  PaintEdit(Canvas);
}

void TExtMaskEdit::PaintEdit(TCanvas& Canvas) {
  if (flat_ && focusBorder_)
    DrawControlBorder(Canvas);
  else if (flat_)
    DrawFlatLine(Canvas, *this, flatLineColor_, softBorder_);
}

bool TExtMaskEdit::Is3DBorderButton() const {
  return Is3DBorder(*this, focusBorder_, false, mouseInside_);
}

void TExtMaskEdit::DrawBorder(TCanvas& Canvas) {
  if (flat_ || (focusBorder_ && mouseInside_)) DrawControlBorder(Canvas);
}

void TExtMaskEdit::DrawControlBorder(TCanvas& Canvas) {
  ::DrawControlBorder(Canvas, *this, Is3DBorderButton());
}

void TExtMaskEdit::CMMouseEnter() {
  TMaskEdit::CMMouseEnter();
  if (AutoFocus && CanFocus() && !Focused()) SetFocus();
  if (!mouseInside_ && GetEnabled()) {
    mouseInside_ = true;
    if (focusBorder_) Invalidate();
  }
}

void TExtMaskEdit::CMMouseLeave() {
  TMaskEdit::CMMouseLeave();
  mouseInside_ = false;
  if (focusBorder_) Invalidate();
}

// ---- Label ----

void TExtMaskEdit::VisibleChanged() {
  TMaskEdit::VisibleChanged();
  UpdateLabel();
}

void TExtMaskEdit::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != GetWidth() || height != GetHeight();
  TMaskEdit::SetBounds(left, top, width, height);
  if (resized) SetFlatRect();
  UpdateLabel();
}

void TExtMaskEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TMaskEdit::Notification(AComponent, Operation);
  if (Operation == opRemove) label_.Forget(AComponent);
}
