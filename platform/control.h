// A control: a component with a place on its parent window, a caption, a font and the click.
// Each control stands on a Qt widget of its own; the widget stays inside the platform layer.
#pragma once

#include "platform/component.h"
#include "platform/control_font.h"
#include "platform/exception.h"

class QWidget;
class TWinControl;

class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

class TControl : public TComponent {
 public:
  ~TControl() override;

  TWinControl* GetParent() const { return parent_; }
  void SetParent(TWinControl* parent);

  // Position and size in pixels, relative to the parent's client area.
  int GetLeft() const { return left_; }
  int GetTop() const { return top_; }
  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  virtual int GetClientWidth() const { return width_; }
  virtual int GetClientHeight() const { return height_; }
  void SetClientWidth(int value) { SetWidth(value + width_ - GetClientWidth()); }
  void SetClientHeight(int value) { SetHeight(value + height_ - GetClientHeight()); }

  bool GetVisible() const { return visible_; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool GetEnabled() const { return enabled_; }
  void SetEnabled(bool value);

  AnsiString GetCaption() const { return caption_; }
  void SetCaption(const AnsiString& value);

  // Until a Font object takes over: the control's own font, or its parent's while ParentFont.
  const ControlFont& GetFont() const { return font_; }
  bool GetParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  void SetFontName(const AnsiString& name);
  void SetFontSize(int points);
  void SetFontHeight(int pixels);
  void SetFontBold(bool bold);

  TNotifyEvent OnClick;
  virtual void Click();

  // The widget behind the control, for the platform layer and for tests.
  QWidget* Widget() const { return widget_; }

 protected:
  // Takes the widget the derived control stands on; the control frees it.
  TControl(TComponent* AOwner, QWidget* widget);

  virtual void TextChanged() {}
  virtual void FontChanged();
  // Shows or hides the widget after Visible or Parent changed.
  virtual void VisibleChanged();
  // Puts the stored bounds on the widget.
  virtual void UpdateWidgetGeometry();
  // Takes a font from the parent, or sets the control's own.
  void ApplyFont(const ControlFont& font, bool own);

  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;

 private:
  friend class TWinControl;  // keeps the list of its children and hands its font down

  QWidget* widget_;
  TWinControl* parent_ = nullptr;
  bool visible_ = true;
  bool enabled_ = true;
  bool parentFont_ = true;
  AnsiString caption_;
  ControlFont font_;
};
