// The typed edit's own look: the colours of the focused, modified and error states, the
// URL look, the alignment and the width while focused; the rest is TEditLook's.
#include "components/edit/ExtEdit.h"

namespace {
// The font colour states in their order: the first that applies wins.
TColor FirstOf(std::initializer_list<std::pair<bool, TColor>> states, TColor otherwise) {
  for (const auto& [holds, color] : states)
    if (holds) return color;
  return otherwise;
}
}  // namespace

TColor TExtEdit::StateFontColor() const {
  return FirstOf({{ErrorShown(), ErrorFontColor},
                  {ShowModified && modified_, ModifiedColor},
                  {Focused() && !ShowModified, FocusFontColor}},
                 normalFontColor_);
}

void TExtEdit::SetHeightEx(int Value) {
  if (Loading()) loadedHeight_ = Value;
  SetHeight(Value);
}

void TExtEdit::SetTransparent(bool Value) {
  transparent_ = Value;
  SetTransparentBackground(Value);
  Invalidate();
}

void TExtEdit::SetError(bool Value) {
  if (Loading() || Value == error_) return;
  error_ = Value;
  if (!ShowError) return;
  const TColor unerred = Focused() && !ShowModified ? FocusColor : normalColor_;
  SetColor(Value ? ErrorColor : unerred);
  GetFont()->SetColor(urlLook_ && !Value ? URLColor : StateFontColor());
}

// ---- Alignment ----

// The window's alignment styles: eaDefault is the left.
void TExtEdit::ApplyAlign() {
  SetAlignment(editAlign_ == eaRight    ? taRightJustify
               : editAlign_ == eaCenter ? taCenter
                                        : taLeftJustify);
}

void TExtEdit::SetEditAlign(TEditAlign Value) {
  editAlign_ = Value;
  ApplyAndNudge();
}

void TExtEdit::ApplyAndNudge() {
  ApplyAlign();
  SetWidth(GetWidth() + 1);
  SetWidth(GetWidth() - 1);
}

// ---- Focus ----

// The focus colours stay off while the error look shows; ShowModified keeps the font colour
// for the modified state.
void TExtEdit::EnterLook() {
  if (!ErrorShown() && !ShowModified) {
    SetColor(FocusColor);
    // A colour a look put on the font is not the font's own.
    if (!urlLook_ && GetFont()->GetColor() != normalFontColor_)
      normalFontColor_ = GetFont()->GetColor();
    if (!urlLook_) GetFont()->SetColor(FocusFontColor);
  }
  if (TLabel* label = label_.Get(); FocusLabel && label)
    label->GetFont()->SetStyle(label->GetFont()->GetStyle() << fsBold);
  if (FocusWidthInc > 0) SetWidth(GetWidth() + FocusWidthInc);
  if (FocusAlign != editAlign_ && FocusAlign != eaDefault) {
    savedAlign_ = editAlign_;
    alignSaved_ = true;
    editAlign_ = FocusAlign;
    ApplyAlign();
  }
  if ((!emptyText_.empty() && GetText().empty()) || focusBorder_) Invalidate();
}

void TExtEdit::LeaveLook() {
  if (LookupShown() && !lookupWindow_->GetListBox()->Focused()) lookupWindow_->Hide();
  if (!ErrorShown() && !ShowModified) {
    SetColor(normalColor_);
    if (!urlLook_) GetFont()->SetColor(normalFontColor_);
  }
  if (TLabel* label = label_.Get(); FocusLabel && label)
    label->GetFont()->SetStyle(label->GetFont()->GetStyle() >> fsBold);
}

void TExtEdit::RestoreAlignAndWidth() {
  if (FocusWidthInc > 0) SetWidth(GetWidth() - FocusWidthInc);
  if (alignSaved_) {
    alignSaved_ = false;
    editAlign_ = savedAlign_;
    ApplyAlign();
  }
  Invalidate();
}

// ---- URL look ----

bool TExtEdit::TestURL() const {
  const AnsiString value = GetText();
  const std::size_t at = value.find('@');
  return value.find("://") != AnsiString::npos || (at != AnsiString::npos && at >= 1);
}

void TExtEdit::ApplyURL(bool Value) {
  urlLook_ = Value;
  TFontStyles style = GetFont()->GetStyle();
  GetFont()->SetStyle(Value ? style << fsUnderline : style >> fsUnderline);
  GetFont()->SetColor(Value ? URLColor : StateFontColor());
  SetCursor(Value ? crHandPoint : crDefault);
  Invalidate();
}

void TExtEdit::TestURLLook() {
  if (!ShowURL || Loading()) return;
  const bool url = TestURL();
  if (url != urlLook_) ApplyURL(url);
}
