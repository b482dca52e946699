// Where Qt's input events reach the controls. Private to platform/.
//
// Each control's widget (and any widget inside it that takes input for it) carries a filter
// that turns Qt's key, mouse, focus, enter/leave, hint and context-menu events into the
// class library's messages and events. The original Qt event reaches the widget only when a
// handler lets it through (DefaultHandler); keys reach it as events made from what the
// handlers left of the key or character.
#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

#include "platform/controls/wincontrol.h"

class QKeyEvent;
class QMouseEvent;

class ControlEvents : public QObject {
  Q_OBJECT

 public:
  static void Attach(TControl* control, QWidget* widget);
  static void AddInputWidget(TControl* control, QWidget* widget);
  static void Detach(TControl* control);
  // The control a widget belongs to: the nearest one up the widget's parents.
  static TControl* ControlOf(const QWidget* widget);

  // Hands the Qt event being dispatched to the control's widget, once.
  static void DefaultHandler(TControl* control);
  // What the platform control does with a key, character or key-up no handler stopped.
  static void ForwardKey(TWinControl* control, const TWMKey& message);
  static void DeliverPosted(TWinControl* control, UINT msg, WPARAM wParam, LPARAM lParam);
  // The modifiers of the input event being dispatched, else the keyboard's.
  static Qt::KeyboardModifiers Modifiers();

  // The characters of the key-down that is running, for the platform control's default.
  class KeyDownChars {
   public:
    explicit KeyDownChars(const AnsiString& chars);
    ~KeyDownChars();
    KeyDownChars(const KeyDownChars&) = delete;
    KeyDownChars& operator=(const KeyDownChars&) = delete;

   private:
    const AnsiString* previous_;
  };

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ControlEvents(TControl* control, QWidget* widget);
  // A point of a widget in the control's client coordinates (a windowed control's client
  // widget may lie inside its frame, as a scroll area's viewport does).
  static QPoint ClientPoint(TControl* control, QWidget* widget, QPoint point);

  // Runs a handler for a Qt event (or none) as the message loop does.
  void Run(QObject* receiver, QEvent* event, const std::function<void()>& handler);
  bool Key(QWidget* widget, QKeyEvent* event);
  bool InputMethod(QWidget* widget, QEvent* event);
  bool Mouse(QWidget* widget, QMouseEvent* event);
  bool Focus(QWidget* widget, QEvent* event);
  bool ToolTip(QWidget* widget, QEvent* event);
  bool ContextMenu(QWidget* widget, QEvent* event);
  bool Wheel(QWidget* widget, QEvent* event);

  TControl* control_;
};
