#include "platform/controls/control.h"

#include <QCursor>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "platform/controls/qt/qt_control_events.h"
#include "platform/graphics/qt/qt_cursor.h"
#include "platform/controls/menus.h"
#include "platform/graphics/qt/qt_font.h"
#include "platform/controls/wincontrol.h"

TControl::TControl(TComponent* AOwner, QWidget* widget)
    : TComponent(AOwner), widget_(widget), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this](TObject*) {
    if (!takingParentFont_) parentFont_ = false;
    ShowFont();
    FontChanged();
  };
  ShowFont();
  ControlEvents::Attach(this, widget_);
}

TControl::~TControl() {
  ControlEvents::Detach(this);
  if (parent_) {
    std::erase(parent_->controls_, this);
    parent_->ControlRemoved(this);
  }
  delete widget_;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  for (TControl* p = parent; p; p = p->parent_)
    if (p == this) throw EInvalidOperation("A control cannot be placed inside itself");
  if (parent_) {
    std::erase(parent_->controls_, this);
    parent_->ControlRemoved(this);
  }
  parent_ = parent;
  if (parent_) parent_->controls_.push_back(this);
  widget_->setParent(parent_ ? parent_->ClientWidget() : nullptr);
  if (parent_) parent_->ControlAdded(this);
  TakeParentFont();
  TakeParentColor();
  UpdateWidgetGeometry();
  VisibleChanged();
  RequestAlign();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  bool resized = width != width_ || height != height_;
  bool moved = left != left_ || top != top_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  UpdateWidgetGeometry();
  if (resized) Resize();
  if ((resized || moved) && align_ != alNone) RequestAlign();
}

void TControl::UpdateWidgetGeometry() {
  widget_->setGeometry(left_, top_, std::max(0, width_), std::max(0, height_));
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::SetAlign(TAlign value) {
  if (value == align_) return;
  align_ = value;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_) parent_->Realign();
}

void TControl::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  VisibleChanged();
  if (align_ != alNone) RequestAlign();
}

// A control without a parent has no place to show; a parentless widget would be a window.
void TControl::VisibleChanged() { widget_->setVisible(visible_ && parent_); }

void TControl::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  EnabledChanged();
}

void TControl::EnabledChanged() { widget_->setEnabled(enabled_); }

void TControl::RealSetText(const AnsiString& value) {
  if (value == caption_) return;
  caption_ = value;
  TextChanged();
}

void TControl::SetCursor(TCursor value) {
  cursor_ = value;
  if (value == crDefault) widget_->unsetCursor();
  else widget_->setCursor(QCursor(ToCursorShape(value)));
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (popupMenu_) RemoveFreeNotification(popupMenu_);
  popupMenu_ = menu;
  if (menu) FreeNotification(menu);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::WMContextMenu(int X, int Y) {
  if (!popupMenu_ || !popupMenu_->AutoPopup) return DefaultHandler();
  popupMenu_->SetPopupComponent(this);
  popupMenu_->Popup(X, Y);
}

// ---- Font and colour ----

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  TakeParentFont();
}

void TControl::TakeParentFont() {
  if (!parentFont_ || !parent_) return;
  takingParentFont_ = true;
  font_->Assign(*parent_->font_);
  takingParentFont_ = false;
}

// The text colour goes with the font, as Windows draws a control's text in its font's colour.
void TControl::ShowFont() {
  widget_->setFont(ToQFont(*font_));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    SetWidgetColor(widget_, role, font_->GetColor());
}

void TControl::FontChanged() {}

void TControl::SetColor(TColor value) {
  parentColor_ = false;
  ShowColor(value);
}

void TControl::SetParentColor(bool value) {
  parentColor_ = value;
  TakeParentColor();
}

void TControl::TakeParentColor() {
  if (parentColor_ && parent_) ShowColor(parent_->color_);
}

void TControl::ShowColor(TColor value) {
  color_ = value;
  ColorChanged();
}

// A control with its parent's colour lets the parent's background show, as Qt draws it.
void TControl::ColorChanged() {
  SetWidgetColor(widget_, QPalette::Window, color_);
  widget_->setAutoFillBackground(!parentColor_);
}

TPoint TControl::GetClientOrigin() const { return ClientToScreen(TPoint(0, 0)); }

// A windowed control's client area may lie inside its frame (a grid's viewport).
TPoint TControl::ClientToScreen(const TPoint& point) const {
  auto* win = dynamic_cast<const TWinControl*>(this);
  const QWidget* client = win ? win->ClientWidget() : widget_;
  QPoint p = client->mapToGlobal(QPoint(point.x, point.y));
  return {p.x(), p.y()};
}

TPoint TControl::ScreenToClient(const TPoint& point) const {
  const TPoint origin = GetClientOrigin();
  return {point.x - origin.x, point.y - origin.y};
}

void TControl::Invalidate() { widget_->update(); }

void TControl::Update() {
  if (widget_->isVisible()) widget_->repaint(widget_->visibleRegion());
}

void TControl::Repaint() {
  if (widget_->isVisible()) widget_->repaint();
}

void TControl::BringToFront() {
  widget_->raise();
  if (parent_) {
    std::erase(parent_->controls_, this);
    parent_->controls_.push_back(this);
  }
}

void TControl::SendToBack() {
  widget_->lower();
  if (parent_) {
    std::erase(parent_->controls_, this);
    parent_->controls_.insert(parent_->controls_.begin(), this);
  }
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::DefaultHandler() { ControlEvents::DefaultHandler(this); }

void TControl::AddInputWidget(QWidget* widget) { ControlEvents::AddInputWidget(this, widget); }

void TControl::DispatchMouse(TWMMouse& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN: WMLButtonDown(message); break;
    case WM_LBUTTONUP: WMLButtonUp(message); break;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(message); break;
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: WMRButtonDown(message); break;
    case WM_RBUTTONUP: WMRButtonUp(message); break;
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: WMMButtonDown(message); break;
    case WM_MBUTTONUP: WMMButtonUp(message); break;
    default: WMMouseMove(message); break;
  }
}

void TControl::WMLButtonDown(TWMMouse& Message) {
  DefaultHandler();
  if (ControlStyle.Contains(csClickEvents)) clicked_ = true;
  DoMouseDown(Message, mbLeft, {});
}

void TControl::WMLButtonUp(TWMMouse& Message) {
  DefaultHandler();
  bool clicked = clicked_;
  clicked_ = false;
  bool inside = Message.XPos >= 0 && Message.YPos >= 0 && Message.XPos < GetClientWidth() &&
                Message.YPos < GetClientHeight();
  if (clicked && inside) Click();
  DoMouseUp(Message, mbLeft);
}

void TControl::WMLButtonDblClk(TWMMouse& Message) {
  DefaultHandler();
  if (ControlStyle.Contains(csClickEvents)) DblClick();
  DoMouseDown(Message, mbLeft, ssDouble);
}

void TControl::WMRButtonDown(TWMMouse& Message) {
  DefaultHandler();
  DoMouseDown(Message, mbRight, {});
}

void TControl::WMRButtonUp(TWMMouse& Message) {
  DefaultHandler();
  DoMouseUp(Message, mbRight);
}

void TControl::WMMButtonDown(TWMMouse& Message) {
  DefaultHandler();
  DoMouseDown(Message, mbMiddle, {});
}

void TControl::WMMButtonUp(TWMMouse& Message) {
  DefaultHandler();
  DoMouseUp(Message, mbMiddle);
}

void TControl::WMMouseMove(TWMMouse& Message) {
  DefaultHandler();
  if (!ControlStyle.Contains(csNoStdEvents))
    MouseMove(KeysToShiftState(Message.Keys), Message.XPos, Message.YPos);
}

void TControl::DoMouseDown(const TWMMouse& message, TMouseButton button, TShiftState extra) {
  if (ControlStyle.Contains(csNoStdEvents)) return;
  MouseDown(button, KeysToShiftState(message.Keys) + extra, message.XPos, message.YPos);
}

void TControl::DoMouseUp(const TWMMouse& message, TMouseButton button) {
  if (ControlStyle.Contains(csNoStdEvents)) return;
  MouseUp(button, KeysToShiftState(message.Keys), message.XPos, message.YPos);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::CMMouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (handled) return true;
  // Whole notches of 120 become downs and ups; a rest waits for the next turn.
  constexpr int kNotch = 120;
  wheelAccumulator_ += WheelDelta;
  while (std::abs(wheelAccumulator_) >= kNotch) {
    bool down = wheelAccumulator_ < 0;
    wheelAccumulator_ += down ? kNotch : -kNotch;
    handled = down ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
  }
  return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
  return handled;
}

void TControl::CMHintShow(THintInfo&) {}

TShiftState KeysToShiftState(unsigned keys) {
  TShiftState shift;
  if (keys & MK_SHIFT) shift << ssShift;
  if (keys & MK_CONTROL) shift << ssCtrl;
  if (keys & MK_LBUTTON) shift << ssLeft;
  if (keys & MK_RBUTTON) shift << ssRight;
  if (keys & MK_MBUTTON) shift << ssMiddle;
  if (GetKeyState(VK_MENU) < 0) shift << ssAlt;
  return shift;
}
