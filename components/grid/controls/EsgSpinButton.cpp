// The arrows of the spin edit: the repeating arrow button and the pair of them.
#include "components/grid/controls/EsgSpinEdit.h"
#include "components/grid/controls/ExtXPVS.h"
#include "platform/graphics/bitmap.h"
#include "platform/winapi/edge.h"

namespace {

// The default glyphs: a small black triangle on white, pointing up or down.
void DrawArrowGlyph(TBitmap& glyph, bool up) {
  glyph.SetSize(7, 5);
  TCanvas* canvas = glyph.Canvas;
  canvas->Brush->SetColor(clWhite);
  canvas->FillRect(TRect(0, 0, 7, 5));
  canvas->Pen->SetColor(clBlack);
  for (int row = 0; row < 4; ++row) {
    const int y = up ? 3 - row : row;
    canvas->MoveTo(row, y);
    canvas->LineTo(7 - row, y);
  }
}

}  // namespace

// --- TExtTimerSpeedButton ---------------------------------------------------------------------

TExtTimerSpeedButton::TExtTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

void TExtTimerSpeedButton::SetTimeBtnState(TTimeBtnState value) {
  timeBtnState_ = value;
  // A repeating button steps at the press; the release adds no step of its own.
  clickOnRelease_ = !value.Contains(tbAllowTimer);
}

void TExtTimerSpeedButton::SetIsWinXP(bool value) {
  isWinXP_ = value;
  Invalidate();
}

void TExtTimerSpeedButton::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TExtTimerSpeedButton::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect rect = GetClientRect();
  const bool down = state_ == bsDown;
  const int part = Horizontal ? (Arrow == saUp ? SPNP_UPHORZ : SPNP_DOWNHORZ)
                              : (Arrow == saUp ? SPNP_UP : SPNP_DOWN);
  if (isWinXP_ &&
      DrawThemed(GetParent(), "spin", canvas, part, down ? UPS_PRESSED : UPS_NORMAL, rect))
    return;
  const unsigned arrow = Horizontal ? (Arrow == saUp ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT)
                                    : (Arrow == saUp ? DFCS_SCROLLUP : DFCS_SCROLLDOWN);
  DrawFrameControl(canvas->GetHandle(), &rect, DFC_SCROLL,
                   arrow | (down ? DFCS_PUSHED : 0u) | (GetFlat() ? DFCS_FLAT : 0u));
}

void TExtTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !GetEnabled() || !timeBtnState_.Contains(tbAllowTimer)) return;
  if (!repeatTimer_) {
    repeatTimer_ = new TTimer(this);
    repeatTimer_->OnTimer = [this](TObject*) { TimerExpired(); };
  }
  repeatTimer_->SetEnabled(false);
  repeatTimer_->SetInterval(kInitRepeatPause);
  repeatTimer_->SetEnabled(true);
  RepaintParent();
  Click();
}

void TExtTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (repeatTimer_) repeatTimer_->SetEnabled(false);
  RepaintParent();
}

void TExtTimerSpeedButton::TimerExpired() {
  repeatTimer_->SetInterval(kRepeatPause);
  if (state_ == bsDown && GetMouseCapture()) Click();
}

void TExtTimerSpeedButton::RepaintParent() {
  if (GetParent()) GetParent()->Invalidate();
}

// --- TEsgSpinButton ---------------------------------------------------------------------------

TEsgSpinButton::TEsgSpinButton(TComponent* AOwner)
    : TCustomControl(AOwner),
      upButton_(CreateButton(saUp)),
      downButton_(CreateButton(saDown)),
      focusButton_(upButton_) {
  DrawArrowGlyph(*upButton_->GetGlyph(), true);
  DrawArrowGlyph(*downButton_->GetGlyph(), false);
  SetBounds(0, 0, 15, 25);
}

TExtTimerSpeedButton* TEsgSpinButton::CreateButton(TSpinArrow Arrow) {
  auto* button = new TExtTimerSpeedButton(this);
  button->Arrow = Arrow;
  button->SetTimeBtnState(tbAllowTimer);
  button->SetParent(this);
  button->OnMouseDown = [this, button](TObject*, TMouseButton Pressed, TShiftState, int, int) {
    if (Pressed == mbLeft) ButtonPressed(button);
  };
  button->OnClick = [this, button](TObject*) { ButtonClicked(button); };
  return button;
}

void TEsgSpinButton::ButtonPressed(TExtTimerSpeedButton* Button) {
  focusButton_ = Button;
  TWinControl* target = focusControl_ ? focusControl_ : this;
  if (target->CanFocus() && !target->Focused()) target->SetFocus();
}

void TEsgSpinButton::ButtonClicked(TExtTimerSpeedButton* Button) {
  const TNotifyEvent& handler = Button == upButton_ ? OnUpClick : OnDownClick;
  if (handler) handler(this);
}

void TEsgSpinButton::SetDirection(TSpinDirection value) {
  direction_ = value;
  upButton_->Horizontal = downButton_->Horizontal = value == spHorizontal;
  Resize();
}

void TEsgSpinButton::SetFocusControl(TWinControl* value) {
  if (focusControl_) focusControl_->RemoveFreeNotification(this);
  focusControl_ = value;
  if (value) value->FreeNotification(this);
}

void TEsgSpinButton::SetIsWinXP(bool value) {
  upButton_->SetIsWinXP(value);
  downButton_->SetIsWinXP(value);
}

void TEsgSpinButton::SetFlat(bool value) {
  upButton_->SetFlat(value);
  downButton_->SetFlat(value);
}

void TEsgSpinButton::SetTransparent(bool value) {
  upButton_->SetTransparent(value);
  downButton_->SetTransparent(value);
}

// Vertical: up above, down below; horizontal: down (left) and up (right).
void TEsgSpinButton::Resize() {
  const int width = GetWidth(), height = GetHeight();
  if (direction_ == spVertical) {
    upButton_->SetBounds(0, 0, width, height / 2);
    downButton_->SetBounds(0, height / 2, width, height - height / 2);
  } else {
    downButton_->SetBounds(0, 0, width / 2, height);
    upButton_->SetBounds(width / 2, 0, width - width / 2, height);
  }
  TCustomControl::Resize();
}

void TEsgSpinButton::WMGetDlgCode(TWMGetDlgCode& Message) { Message.Result = DLGC_WANTARROWS; }

void TEsgSpinButton::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_UP)
    upButton_->Click();
  else if (Key == VK_DOWN)
    downButton_->Click();
  else if (Key == VK_SPACE)
    focusButton_->Click();
  TCustomControl::KeyDown(Key, Shift);
}

void TEsgSpinButton::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}
