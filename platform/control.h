// A control: a component with a place on its parent window, a caption, a font, a hint, a
// cursor, and the mouse as the class library delivers it. Each control stands on a Qt widget of
// its own; the widget stays inside the platform layer.
#pragma once

#include "platform/component.h"
#include "platform/control_font.h"
#include "platform/cursor.h"
#include "platform/exception.h"
#include "platform/keys.h"
#include "platform/messages.h"
#include "platform/notify_event.h"

class QWidget;
class TWinControl;
class TPopupMenu;
class ControlEvents;

class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Where a control keeps to inside its parent when the parent's size changes.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TControlStyleItem { csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque,
                         csDoubleClicks, csNoStdEvents };
using TControlStyle = Set<TControlStyleItem>;

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
  TAlign GetAlign() const { return align_; }
  void SetAlign(TAlign value);

  bool GetVisible() const { return visible_; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool GetEnabled() const { return enabled_; }
  void SetEnabled(bool value);

  // Caption and Text are one window text.
  AnsiString GetCaption() const { return RealGetText(); }
  void SetCaption(const AnsiString& value) { RealSetText(value); }
  AnsiString GetText() const { return RealGetText(); }
  void SetText(const AnsiString& value) { RealSetText(value); }

  // The short hint is the part before "|"; it shows when ShowHint is on.
  AnsiString GetHint() const { return hint_; }
  void SetHint(const AnsiString& value) { hint_ = value; }
  bool GetShowHint() const { return showHint_; }
  void SetShowHint(bool value) { showHint_ = value; }
  TCursor GetCursor() const { return cursor_; }
  void SetCursor(TCursor value);
  // Shown by a right click on the control.
  TPopupMenu* GetPopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);

  // Until a Font object takes over: the control's own font, or its parent's while ParentFont.
  const ControlFont& GetFont() const { return font_; }
  bool GetParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  void SetFontName(const AnsiString& name);
  void SetFontSize(int points);
  void SetFontHeight(int pixels);
  void SetFontBold(bool bold);

  TControlStyle ControlStyle{csClickEvents, csCaptureMouse, csDoubleClicks};

  void Invalidate();
  void Update();  // paints what is invalid now
  void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  virtual void Click();
  virtual void DblClick();

  // The widget behind the control, for the platform layer and for tests.
  QWidget* Widget() const { return widget_; }

 protected:
  // Takes the widget the derived control stands on; the control frees it.
  TControl(TComponent* AOwner, QWidget* widget);

  virtual AnsiString RealGetText() const { return caption_; }
  virtual void RealSetText(const AnsiString& value);
  virtual void TextChanged() {}
  virtual void FontChanged();
  // Shows or hides the widget after Visible or Parent changed.
  virtual void VisibleChanged();
  virtual void EnabledChanged();
  // Puts the stored bounds on the widget.
  virtual void UpdateWidgetGeometry();
  // The size changed; fires OnResize.
  virtual void Resize();
  // Takes a font from the parent, or sets the control's own.
  void ApplyFont(const ControlFont& font, bool own);

  // The mouse messages. Each base handler first lets the platform control act on the event,
  // then fires the class library's events: MouseDown, Click on the left button's release
  // inside the control, DblClick and a MouseDown with ssDouble on a double click.
  virtual void WMLButtonDown(TWMMouse& Message);
  virtual void WMLButtonUp(TWMMouse& Message);
  virtual void WMLButtonDblClk(TWMMouse& Message);
  virtual void WMRButtonDown(TWMMouse& Message);
  virtual void WMRButtonUp(TWMMouse& Message);
  virtual void WMMButtonDown(TWMMouse& Message);
  virtual void WMMButtonUp(TWMMouse& Message);
  virtual void WMMouseMove(TWMMouse& Message);
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void CMMouseEnter();
  virtual void CMMouseLeave();
  // A right click or the menu key, at a screen point: shows PopupMenu, else the platform
  // control's own menu.
  virtual void WMContextMenu(int X, int Y);
  void Notification(TComponent* component, TOperation operation) override;

  // Lets the platform control handle the event being dispatched (once); a handler that does
  // not call its base handler keeps the event from the platform control.
  void DefaultHandler();
  // A widget inside the control's own whose mouse and keys belong to the control.
  void AddInputWidget(QWidget* widget);

  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;

 private:
  friend class TWinControl;  // keeps the list of its children, hands its font down, aligns
  friend class ControlEvents;

  void DispatchMouse(TWMMouse& message);
  void DoMouseDown(const TWMMouse& message, TMouseButton button, TShiftState extra);
  void DoMouseUp(const TWMMouse& message, TMouseButton button);
  void RequestAlign();

  QWidget* widget_;
  TWinControl* parent_ = nullptr;
  bool visible_ = true;
  bool enabled_ = true;
  bool parentFont_ = true;
  bool showHint_ = false;
  bool clicked_ = false;
  TAlign align_ = alNone;
  TCursor cursor_ = crDefault;
  TPopupMenu* popupMenu_ = nullptr;
  AnsiString caption_;
  AnsiString hint_;
  ControlFont font_;
};

// The shift state of a mouse message: its keys and buttons, and Alt from the keyboard.
TShiftState KeysToShiftState(unsigned keys);
