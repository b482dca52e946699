// The edit with a button at its right edge.
#include <algorithm>

#include "components/grid/controls/EsgEditBtn.h"
#include "platform/controls/paint_over.h"

TEsgEditBtn::TEsgEditBtn(TComponent* AOwner) : TCustomEdit(AOwner) {
  button_ = new TEsgEditButton(this);
  button_->SetBounds(0, 0, 18, 18);
  button_->SetParent(this);
  button_->SetFocusControl(this);
  button_->OnClick = [this](TObject*) { BtnClick(); };
  SetText("0");
  Resize();
}

TEsgEditBtn::~TEsgEditBtn() = default;

void TEsgEditBtn::SetButtonWidth(int value) {
  button_->SetWidth(value);
  Resize();
}

int TEsgEditBtn::GetMinHeight() { return EditTextHeight(*GetFont()); }

// The text ends before the button and the unit text; the rest of the rectangle stays the
// edit's own.
void TEsgEditBtn::SetEditRect() {
  SetFormatRect(Layout().FormatRect(GetFormatRect(), GetButtonWidth(), 3 + unitWidth_));
}

void TEsgEditBtn::Resize() {
  const int minHeight = GetMinHeight();
  if (GetHeight() < minHeight) {
    SetHeight(minHeight);  // resizes again and places the button then
    return;
  }
  const TRect bounds = Layout().ButtonBounds(GetButtonWidth());
  button_->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  SetEditRect();
  TCustomEdit::Resize();
}

void TEsgEditBtn::BtnClick() {
  if (OnClickBtn) OnClickBtn(this);
}

void TEsgEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_F4) BtnClick();
  TCustomEdit::KeyDown(Key, Shift);
}

void TEsgEditBtn::WMChar(TWMChar& Message) {
  if (editorEnabled_) TCustomEdit::WMChar(Message);
}

void TEsgEditBtn::WMPaste() {
  if (editorEnabled_) TCustomEdit::WMPaste();
}

void TEsgEditBtn::WMCut() {
  if (editorEnabled_) TCustomEdit::WMCut();
}
