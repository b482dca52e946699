// A control: a component with a place on its parent window, a caption, a font, a hint, a
// cursor, and the mouse as the class library delivers it. Each control stands on a Qt widget of
// its own; the widget stays inside the platform layer.
#pragma once

#include <memory>

#include "platform/core/component.h"
#include "platform/graphics/color.h"
#include "platform/graphics/cursor.h"
#include "platform/core/exception.h"
#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"
#include "platform/controls/keys.h"
#include "platform/controls/messages.h"
#include "platform/core/notify_event.h"

class QWidget;
class TControl;
class TWinControl;
class TPopupMenu;
class ControlEvents;

using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta,
                                            TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

// What a control's hint is about to show: its text and screen position may be changed.
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;         // screen coordinates of the hint's top-left corner
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TRect CursorRect;       // client coordinates the hint belongs to
  TPoint CursorPos;       // client coordinates of the mouse
  AnsiString HintStr;
};

class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
// The border of a form; controls take bsNone or bsSingle.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;

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

  // The control's font; while ParentFont it follows its parent's, and changing it ends that.
  TFont* GetFont() const { return font_.get(); }
  void SetFont(const TFont* font) { font_->Assign(*font); }
  bool GetParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  // The background; while ParentColor it follows the parent's.
  TColor GetColor() const { return color_; }
  void SetColor(TColor value);
  bool GetParentColor() const { return parentColor_; }
  void SetParentColor(bool value);

  // The client area at (0, 0), and points between client and screen coordinates.
  TRect GetClientRect() const { return TRect(0, 0, GetClientWidth(), GetClientHeight()); }
  TPoint GetClientOrigin() const;
  TPoint ClientToScreen(const TPoint& point) const;
  TPoint ScreenToClient(const TPoint& point) const;
  TRect GetBoundsRect() const { return Bounds(left_, top_, width_, height_); }

  TControlStyle ControlStyle{csClickEvents, csCaptureMouse, csDoubleClicks};

  // Repaints the whole control, the client area of a scrolling control included.
  virtual void Invalidate();
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
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;
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
  // The font changed (its own or the parent's); the base hands it to the widget.
  virtual void FontChanged();
  // Puts the colour on the widget: by default as the background it fills.
  virtual void ColorChanged();
  // Shows or hides the widget after Visible or Parent changed.
  virtual void VisibleChanged();
  virtual void EnabledChanged();
  // Puts the stored bounds on the widget.
  virtual void UpdateWidgetGeometry();
  // The size changed; fires OnResize.
  virtual void Resize();
  // Takes the parent's font and colour while ParentFont and ParentColor.
  void TakeParentFont();
  void TakeParentColor();

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
  // The wheel: OnMouseWheel, then per notch of 120 OnMouseWheelDown or OnMouseWheelUp; true when
  // a handler used it. MousePos is in screen coordinates.
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  // Before the control's hint shows: the handler may change its text and place.
  virtual void CMHintShow(THintInfo& HintInfo);
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
  void ShowFont();
  void ShowColor(TColor value);

  QWidget* widget_;
  TWinControl* parent_ = nullptr;
  bool visible_ = true;
  bool enabled_ = true;
  bool parentFont_ = true;
  bool parentColor_ = false;
  bool takingParentFont_ = false;
  int wheelAccumulator_ = 0;
  TColor color_ = clWindow;
  bool showHint_ = false;
  bool clicked_ = false;
  TAlign align_ = alNone;
  TCursor cursor_ = crDefault;
  TPopupMenu* popupMenu_ = nullptr;
  AnsiString caption_;
  AnsiString hint_;
  std::unique_ptr<TFont> font_;
};

// The shift state of a mouse message: its keys and buttons, and Alt from the keyboard.
TShiftState KeysToShiftState(unsigned keys);
