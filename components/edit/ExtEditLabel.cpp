// The attached label: made at the first caption, placed beside the edit by LabelPosition at
// every move of the edit, and showing and enabled as the edit is.
#include "components/edit/ExtEdit.h"
#include "platform/graphics/canvas.h"

AnsiString TExtEdit::GetLabelCaption() const { return label_ ? label_->GetCaption() : ""; }

void TExtEdit::SetLabelCaption(const AnsiString& Value) {
  if (!label_) {
    label_ = new TLabel(this);
    label_->SetParent(GetParent());
    label_->SetFocusControl(this);
  }
  label_->SetCaption(Value);
  UpdateLabel();
}

void TExtEdit::SetLabelPosition(TLabelPosition Value) {
  labelPosition_ = Value;
  UpdateLabel();
}

void TExtEdit::SetLabelMargin(int Value) {
  labelMargin_ = Value;
  UpdateLabel();
}

void TExtEdit::SetLabelTransparent(bool Value) {
  labelTransparent_ = Value;
  UpdateLabel();
}

void TExtEdit::SetLabelAlwaysEnabled(bool Value) {
  labelAlwaysEnabled_ = Value;
  if (label_ && Value) label_->SetEnabled(true);
}

// The font goes first, so the label's size is that of the font it shows.
void TExtEdit::UpdateLabel() {
  if (!label_) return;
  if (label_->GetParent() != GetParent()) label_->SetParent(GetParent());
  label_->SetTransparent(labelTransparent_);
  label_->SetFont(labelFont_.get());
  TCanvas canvas;
  canvas.Font->Assign(*labelFont_);
  const int textWidth = canvas.TextWidth(label_->GetCaption());
  const TPoint place = LabelPlace(labelPosition_, GetBoundsRect(), label_->GetWidth(),
                                  label_->GetHeight(), textWidth, labelMargin_);
  label_->SetBounds(place.x, place.y, label_->GetWidth(), label_->GetHeight());
  label_->SetVisible(GetVisible());
}

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
  if (AComponent == label_) label_ = nullptr;
  if (AComponent == lookupWindow_) lookupWindow_ = nullptr;
}
