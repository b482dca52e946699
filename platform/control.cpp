#include "platform/control.h"

#include <QWidget>
#include <algorithm>

#include "platform/qt_font.h"
#include "platform/wincontrol.h"

TControl::TControl(TComponent* AOwner, QWidget* widget) : TComponent(AOwner), widget_(widget) {
  widget_->setFont(ToQFont(font_));
}

TControl::~TControl() {
  if (parent_) std::erase(parent_->controls_, this);
  delete widget_;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  for (TControl* p = parent; p; p = p->parent_)
    if (p == this) throw EInvalidOperation("A control cannot be placed inside itself");
  if (parent_) std::erase(parent_->controls_, this);
  parent_ = parent;
  if (parent_) parent_->controls_.push_back(this);
  widget_->setParent(parent_ ? parent_->widget_ : nullptr);
  if (parent_ && parentFont_) ApplyFont(parent_->font_, false);
  UpdateWidgetGeometry();
  VisibleChanged();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  UpdateWidgetGeometry();
}

void TControl::UpdateWidgetGeometry() {
  widget_->setGeometry(left_, top_, std::max(0, width_), std::max(0, height_));
}

void TControl::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  VisibleChanged();
}

// A control without a parent has no place to show; a parentless widget would be a window.
void TControl::VisibleChanged() { widget_->setVisible(visible_ && parent_); }

void TControl::SetEnabled(bool value) {
  enabled_ = value;
  widget_->setEnabled(value);
}

void TControl::SetCaption(const AnsiString& value) {
  if (value == caption_) return;
  caption_ = value;
  TextChanged();
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value && parent_) ApplyFont(parent_->font_, false);
}

void TControl::SetFontName(const AnsiString& name) {
  ControlFont font = font_;
  font.Name = name;
  ApplyFont(font, true);
}

void TControl::SetFontSize(int points) {
  ControlFont font = font_;
  font.SetSize(points);
  ApplyFont(font, true);
}

void TControl::SetFontHeight(int pixels) {
  ControlFont font = font_;
  font.SetHeight(pixels);
  ApplyFont(font, true);
}

void TControl::SetFontBold(bool bold) {
  ControlFont font = font_;
  font.Bold = bold;
  ApplyFont(font, true);
}

void TControl::ApplyFont(const ControlFont& font, bool own) {
  if (own) parentFont_ = false;
  if (font == font_) return;
  font_ = font;
  widget_->setFont(ToQFont(font_));
  FontChanged();
}

void TControl::FontChanged() {}

void TControl::Click() {
  if (OnClick) OnClick(this);
}
