#include "components/edit/EditLabel.h"

#include "platform/graphics/canvas.h"
#include "platform/stdctrls/label.h"

TPoint LabelPlace(TLabelPosition Position, const TRect& Edit, int LabelWidth, int LabelHeight,
                  int TextWidth, int Margin) {
  const int l = Edit.Left, t = Edit.Top, w = Edit.Width(), h = Edit.Height();
  const int beside = l - TextWidth - Margin;
  const int center = t + (h - LabelHeight) / 2, bottom = t + h - LabelHeight;
  const int above = t - LabelHeight - Margin, below = t + h + Margin;
  const int centered = l + (w - LabelWidth) / 2;
  switch (Position) {
    case lpLeftTop:
      return TPoint(beside, t);
    case lpLeftCenter:
      return TPoint(beside, center);
    case lpLeftBottom:
      return TPoint(beside, bottom);
    case lpTopLeft:
      return TPoint(l, above);
    case lpBottomLeft:
      return TPoint(l, below);
    case lpLeftTopLeft:
      return TPoint(l - Margin, t);
    case lpLeftCenterLeft:
      return TPoint(l - Margin, center);
    case lpLeftBottomLeft:
      return TPoint(l - Margin, bottom);
    case lpTopCenter:
      return TPoint(centered, above);
    case lpBottomCenter:
      return TPoint(centered, below);
  }
  return TPoint(l, t);
}

TAttachedLabel::TAttachedLabel(TWinControl* Edit) : edit_(Edit), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this](TObject*) { Update(); };
}

// The label itself belongs to the edit, which frees it.
TAttachedLabel::~TAttachedLabel() = default;

AnsiString TAttachedLabel::GetCaption() const { return label_ ? label_->GetCaption() : ""; }

void TAttachedLabel::SetCaption(const AnsiString& Value) {
  if (!label_) {
    label_ = new TLabel(edit_);
    label_->SetParent(edit_->GetParent());
    label_->SetFocusControl(edit_);
  }
  label_->SetCaption(Value);
  Update();
}

void TAttachedLabel::SetPosition(TLabelPosition Value) {
  position_ = Value;
  Update();
}

void TAttachedLabel::SetMargin(int Value) {
  margin_ = Value;
  Update();
}

void TAttachedLabel::SetTransparent(bool Value) {
  transparent_ = Value;
  Update();
}

void TAttachedLabel::SetAlwaysEnabled(bool Value) {
  alwaysEnabled_ = Value;
  if (label_ && Value) label_->SetEnabled(true);
}

void TAttachedLabel::Update() {
  if (!label_) return;
  if (label_->GetParent() != edit_->GetParent()) label_->SetParent(edit_->GetParent());
  label_->SetTransparent(transparent_);
  label_->SetFont(font_.get());
  TCanvas canvas;
  canvas.Font->Assign(*font_);
  const int textWidth = canvas.TextWidth(label_->GetCaption());
  const TPoint place = LabelPlace(position_, edit_->GetBoundsRect(), label_->GetWidth(),
                                  label_->GetHeight(), textWidth, margin_);
  label_->SetBounds(place.x, place.y, label_->GetWidth(), label_->GetHeight());
  label_->SetVisible(edit_->GetVisible());
}

void TAttachedLabel::FollowEnabled() {
  if (label_ && !alwaysEnabled_) label_->SetEnabled(edit_->GetEnabled());
}

void TAttachedLabel::ShowWhileLoading(const TFont& EditFont) {
  if (label_) label_->SetFont(&EditFont);
}

void TAttachedLabel::Forget(const TComponent* Gone) {
  if (Gone == label_) label_ = nullptr;
}

void TLabelSettings::SetLabelFont(const TFont* Value) { label_.GetFont()->Assign(*Value); }
