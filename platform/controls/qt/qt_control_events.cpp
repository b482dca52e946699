#include "platform/controls/qt/qt_control_events.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleHints>
#include <QToolTip>
#include <QWheelEvent>
#include <QWidget>

#include <optional>

#include "platform/controls/application.h"
#include "platform/controls/qt/qt_keys.h"
#include "platform/core/qt/qt_text.h"

namespace {

// The Qt event each running handler was called for, innermost first.
struct NativeEvent {
  TControl* control;
  QObject* receiver;
  QEvent* event;
  bool delivered;
  Qt::KeyboardModifiers modifiers;
  NativeEvent* previous;
};

NativeEvent* current = nullptr;
// The event on its way to a widget: the filters let it through to that widget, and keep it (and
// the copies Qt makes of a mouse event) from the parents Qt would pass it on to.
QEvent* delivering = nullptr;
QObject* deliveringTo = nullptr;
const AnsiString* keyDownChars = nullptr;
// The window that got the last press, and when.
QPointer<QWidget> pressedWindow;
std::optional<quint64> pressedAt;
// A hint shows below the mouse pointer.
constexpr int kHintBelowMouse = 20;

void Deliver(QObject* receiver, QEvent* event) {
  QEvent* saved = delivering;
  QObject* savedTo = deliveringTo;
  delivering = event;
  deliveringTo = receiver;
  QCoreApplication::sendEvent(receiver, event);
  delivering = saved;
  deliveringTo = savedTo;
}

bool IsMouse(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove || type == QEvent::Wheel;
}

// Whether a widget is one Qt passes an event of `child` on to: its parents up to its window.
bool IsParentInWindow(QObject* watched, QObject* child) {
  if (!child->isWidgetType()) return false;
  for (auto* w = static_cast<QWidget*>(child); !w->isWindow();) {
    w = w->parentWidget();
    if (!w) return false;
    if (w == watched) return true;
  }
  return false;
}

// Whether an event is the one being delivered, or Qt's copy of it, on its way up to a parent.
// A handler of the delivered event may run a modal window: the events of its loop come from
// the window system (spontaneous) or go to other windows, and are no copies.
bool PassedOnToParent(QObject* watched, QEvent* event) {
  if (!delivering || watched == deliveringTo) return false;
  if (event == delivering) return true;
  return IsMouse(event->type()) && event->type() == delivering->type() &&
         !event->spontaneous() && IsParentInWindow(watched, deliveringTo);
}

ControlEvents* FilterOf(const QWidget* widget) {
  return widget ? widget->findChild<ControlEvents*>(QString(), Qt::FindDirectChildrenOnly)
                : nullptr;
}

UINT MouseMessage(QEvent::Type type, Qt::MouseButton button, bool doubleClicks) {
  if (type == QEvent::MouseMove) return WM_MOUSEMOVE;
  int column = button == Qt::LeftButton ? 0 : button == Qt::RightButton ? 1 : button == Qt::MiddleButton ? 2 : -1;
  if (column < 0) return 0;
  static constexpr UINT kMessages[3][3] = {
      {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN},
      {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP},
      {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK}};
  int row = type == QEvent::MouseButtonPress ? 0 : type == QEvent::MouseButtonRelease ? 1 : 2;
  // Qt keeps the press that makes a double click at the top-level window, so the double click
  // comes in its place as on a window that takes double clicks; on one that does not, a press.
  if (row == 2 && !doubleClicks) row = 0;
  return kMessages[row][column];
}

// The window a control's mouse messages come through: its own, or its parent's for a control
// without one.
QWidget* WindowOf(TControl* control) {
  bool windowed = dynamic_cast<TWinControl*>(control) || !control->GetParent();
  return windowed ? control->Widget() : control->GetParent()->Widget();
}

// Qt pairs any two presses close in time and place, the window system only two presses of
// one window: a double click whose first press went to another window is a press for this
// one (as when that press opened an editor under the mouse). A double click without a recent
// press (sent alone) stands.
bool FirstPressElsewhere(QWidget* window, const QMouseEvent& event) {
  auto interval = static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
  bool recent =
      pressedAt && event.timestamp() >= *pressedAt && event.timestamp() - *pressedAt < interval;
  return recent && pressedWindow != window;
}

void NotePress(QWidget* window, const QMouseEvent& event) {
  if (event.type() != QEvent::MouseButtonPress) return;
  pressedWindow = window;
  pressedAt = event.timestamp();
}

QMouseEvent PressOf(const QMouseEvent& event) {
  return QMouseEvent(QEvent::MouseButtonPress, event.position(), event.scenePosition(),
                     event.globalPosition(), event.button(), event.buttons(), event.modifiers(),
                     event.pointingDevice());
}

unsigned MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  unsigned keys = 0;
  if (buttons & Qt::LeftButton) keys |= MK_LBUTTON;
  if (buttons & Qt::RightButton) keys |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) keys |= MK_MBUTTON;
  if (modifiers & Qt::ShiftModifier) keys |= MK_SHIFT;
  if (modifiers & Qt::ControlModifier) keys |= MK_CONTROL;
  return keys;
}

// The text the native key event of a key carried, when the key is still that one.
QString NativeText(WORD vk) {
  if (!current || !current->event) return {};
  auto* key = dynamic_cast<QKeyEvent*>(current->event);
  return key && VirtualKeyOf(*key) == vk ? key->text() : QString();
}

// The key event that types a character: control codes as Ctrl and their letter.
QKeyEvent CharEvent(char c, Qt::KeyboardModifiers modifiers) {
  auto code = static_cast<unsigned char>(c);
  bool letterCode = code >= 1 && code <= 26 && c != '\b' && c != '\t' && c != '\r' && c != '\n';
  if (letterCode)
    return QKeyEvent(QEvent::KeyPress, Qt::Key_A + code - 1,
                     Qt::ControlModifier | (modifiers & Qt::ShiftModifier), QString(QChar(code)));
  Qt::KeyboardModifiers kept = modifiers & Qt::ShiftModifier;
  return QKeyEvent(QEvent::KeyPress, QtKeyOfChar(c), kept, CharText(c));
}

// Posted keys type what TranslateMessage makes of them.
AnsiString PostedChars(WORD vk) {
  switch (vk) {
    case VK_TAB: return "\t";
    case VK_RETURN: return "\r";
    case VK_ESCAPE: return "\x1B";
    case VK_BACK: return "\b";
    default: return {};
  }
}

}  // namespace

ControlEvents::ControlEvents(TControl* control, QWidget* widget)
    : QObject(widget), control_(control) {}

void ControlEvents::Attach(TControl* control, QWidget* widget) {
  auto* filter = new ControlEvents(control, widget);
  widget->installEventFilter(filter);
  widget->setMouseTracking(true);
}

void ControlEvents::AddInputWidget(TControl* control, QWidget* widget) {
  if (ControlEvents* filter = FilterOf(control->Widget())) {
    widget->installEventFilter(filter);
    widget->setMouseTracking(true);
  }
}

void ControlEvents::Detach(TControl* control) {
  if (ControlEvents* filter = FilterOf(control->Widget())) filter->control_ = nullptr;
}

TControl* ControlEvents::ControlOf(const QWidget* widget) {
  for (; widget; widget = widget->parentWidget())
    if (ControlEvents* filter = FilterOf(widget); filter && filter->control_) return filter->control_;
  return nullptr;
}

Qt::KeyboardModifiers ControlEvents::Modifiers() {
  return current ? current->modifiers : QGuiApplication::keyboardModifiers();
}

ControlEvents::KeyDownChars::KeyDownChars(const AnsiString& chars) : previous_(keyDownChars) {
  keyDownChars = &chars;
}

ControlEvents::KeyDownChars::~KeyDownChars() { keyDownChars = previous_; }

void ControlEvents::Run(QObject* receiver, QEvent* event, const std::function<void()>& handler) {
  Qt::KeyboardModifiers modifiers = Modifiers();
  if (auto* input = dynamic_cast<QInputEvent*>(event)) modifiers = input->modifiers();
  NativeEvent record{control_, receiver, event, false, modifiers, current};
  current = &record;
  Application->HandleEvent(handler);
  current = record.previous;
}

void ControlEvents::DefaultHandler(TControl* control) {
  for (NativeEvent* record = current; record; record = record->previous) {
    if (record->control != control) continue;
    if (record->event && !record->delivered) {
      record->delivered = true;
      Deliver(record->receiver, record->event);
    }
    return;
  }
}

namespace {
QWidget* KeyTarget(TWinControl* control) {
  if (current && current->control == control && current->receiver)
    return static_cast<QWidget*>(current->receiver);
  QWidget* focus = QApplication::focusWidget();
  return focus && ControlEvents::ControlOf(focus) == control ? focus : control->Widget();
}
}  // namespace

void ControlEvents::ForwardKey(TWinControl* control, const TWMKey& message) {
  TWMGetDlgCode code;
  control->WMGetDlgCode(code);
  bool tabs = code.Result & DLGC_WANTTAB;
  bool takes = control->TakesCharacters();
  Qt::KeyboardModifiers modifiers = Modifiers();
  if (message.Msg == WM_CHAR) {
    char c = static_cast<char>(message.CharCode);
    if (!takes || !c || (c == '\t' && !tabs)) return;
    QKeyEvent event = CharEvent(c, modifiers);
    Deliver(KeyTarget(control), &event);
    return;
  }
  WORD vk = message.CharCode;
  bool down = message.Msg == WM_KEYDOWN;
  // Qt would move the focus by its own order; Tab goes only to controls that type it.
  if (!vk || (vk == VK_TAB && !tabs)) return;
  if (down && takes && keyDownChars && !keyDownChars->empty()) return;  // its characters type
  QString text = takes ? QString() : NativeText(vk);
  QKeyEvent event = MakeKeyEvent(down ? QEvent::KeyPress : QEvent::KeyRelease, vk, false,
                                 modifiers, text);
  Deliver(KeyTarget(control), &event);
}

void ControlEvents::DeliverPosted(TWinControl* control, UINT msg, WPARAM wParam, LPARAM lParam) {
  ControlEvents* filter = FilterOf(control->Widget());
  if (!filter || !filter->control_) return;
  auto key = static_cast<WORD>(wParam);
  int data = lParam ? static_cast<int>(lParam)
                    : KeyDataOf(key, false, Modifiers(), msg == WM_KEYUP, false);
  filter->Run(nullptr, nullptr, [&] {
    if (msg == WM_KEYDOWN) control->ProcessKeyDown(key, data, PostedChars(key));
    else if (msg == WM_KEYUP) control->ProcessKeyUp(key, data);
    else control->ProcessChar(static_cast<char>(wParam), data);
  });
}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event) {
  if (PassedOnToParent(watched, event)) return true;
  if (!control_ || event == delivering || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return Key(widget, static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod: return InputMethod(widget, event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: return Mouse(widget, static_cast<QMouseEvent*>(event));
    case QEvent::Wheel: return Wheel(widget, event);
    case QEvent::FocusIn:
    case QEvent::FocusOut: return Focus(widget, event);
    case QEvent::ToolTip: return ToolTip(widget, event);
    case QEvent::ContextMenu: return ContextMenu(widget, event);
    case QEvent::Enter:
    case QEvent::Leave:
      if (widget == control_->Widget()) {
        bool enter = event->type() == QEvent::Enter;
        TControl* control = control_;
        Run(nullptr, nullptr, [&] { enter ? control->CMMouseEnter() : control->CMMouseLeave(); });
      }
      return false;
    default: return false;
  }
}

bool ControlEvents::Key(QWidget* widget, QKeyEvent* event) {
  auto* control = dynamic_cast<TWinControl*>(control_);
  if (!control) return false;
  WORD vk = VirtualKeyOf(*event);
  bool up = event->type() == QEvent::KeyRelease;
  AnsiString chars = up ? AnsiString() : CharsOf(*event, vk);
  if (!vk && chars.empty()) return false;  // no Windows counterpart: Qt's own
  bool keypad = event->modifiers() & Qt::KeypadModifier;
  int data = KeyDataOf(vk, keypad, event->modifiers(), up, event->isAutoRepeat());
  Run(widget, event, [&] {
    if (up) {
      if (vk) control->ProcessKeyUp(vk, data);
    } else if (vk) {
      control->ProcessKeyDown(vk, data, chars);
    } else {
      for (char c : chars) control->ProcessChar(c, data);
    }
  });
  event->accept();
  return true;
}

bool ControlEvents::InputMethod(QWidget* widget, QEvent* event) {
  auto* control = dynamic_cast<TWinControl*>(control_);
  if (!control || !control->TakesCharacters()) return false;
  AnsiString chars = FromQString(static_cast<QInputMethodEvent*>(event)->commitString());
  QPointer<QWidget> alive(control->Widget());
  Run(widget, nullptr, [&] {
    for (char c : chars)
      if (alive) control->ProcessChar(c, 0);
  });
  event->accept();
  return true;
}

QPoint ControlEvents::ClientPoint(TControl* control, QWidget* widget, QPoint point) {
  QWidget* client = control->Widget();
  if (auto* win = dynamic_cast<TWinControl*>(control)) client = win->ClientWidget();
  return client->mapFromGlobal(widget->mapToGlobal(point));
}

bool ControlEvents::Mouse(QWidget* widget, QMouseEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick &&
      FirstPressElsewhere(WindowOf(control_), *event)) {
    QMouseEvent press = PressOf(*event);
    press.setTimestamp(event->timestamp());
    bool handled = Mouse(widget, &press);
    event->setAccepted(press.isAccepted());
    return handled;
  }
  NotePress(WindowOf(control_), *event);
  UINT msg = MouseMessage(event->type(), event->button(),
                          control_->ControlStyle.Contains(csDoubleClicks));
  if (!msg) return false;
  QPoint at = ClientPoint(control_, widget, event->position().toPoint());
  TWMMouse message{msg, MouseKeys(event->buttons(), event->modifiers()), at.x(), at.y(), 0};
  TControl* control = control_;
  Run(widget, event, [&] { control->DispatchMouse(message); });
  event->accept();  // the parent control does not get it as well
  return true;
}

bool ControlEvents::Focus(QWidget* widget, QEvent* event) {
  auto* control = dynamic_cast<TWinControl*>(control_);
  if (!control || static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) return false;
  bool in = event->type() == QEvent::FocusIn;
  Run(widget, event, [&] { in ? control->WMSetFocus() : control->WMKillFocus(); });
  return true;
}

// The short hint (before "|") shows below the mouse, as the handler leaves it.
bool ControlEvents::ToolTip(QWidget* widget, QEvent* event) {
  TControl* control = control_;
  AnsiString hint = control->GetHint();
  if (!control->GetShowHint() || hint.empty()) return true;
  auto* help = static_cast<QHelpEvent*>(event);
  QPoint at = ClientPoint(control, widget, help->pos());
  THintInfo info;
  info.HintControl = control;
  info.CursorPos = TPoint(at.x(), at.y());
  info.CursorRect = control->GetClientRect();
  info.HintPos = TPoint(help->globalPos().x(), help->globalPos().y() + kHintBelowMouse);
  info.HintStr = hint.substr(0, hint.find('|'));
  Run(widget, nullptr, [&] { control->CMHintShow(info); });
  if (info.HintStr.empty()) QToolTip::hideText();
  else QToolTip::showText(QPoint(info.HintPos.x, info.HintPos.y), ToQString(info.HintStr), widget);
  return true;
}

bool ControlEvents::ContextMenu(QWidget* widget, QEvent* event) {
  QPoint at = static_cast<QContextMenuEvent*>(event)->globalPos();
  TControl* control = control_;
  Run(widget, event, [&] { control->WMContextMenu(at.x(), at.y()); });
  return true;
}

// The control under the mouse, then the platform control, then the parents in turn.
bool ControlEvents::Wheel(QWidget* widget, QEvent* event) {
  auto* wheel = static_cast<QWheelEvent*>(event);
  int delta = wheel->angleDelta().y();
  if (delta == 0) return false;  // sideways: Qt's own
  TShiftState shift = ShiftStateOf(wheel->modifiers(), wheel->buttons());
  QPoint global = wheel->globalPosition().toPoint();
  TPoint at(global.x(), global.y());
  TControl* control = control_;
  Run(widget, event, [&] {
    for (TControl* c = control; c; c = c->GetParent()) {
      if (c->DoMouseWheel(shift, delta, at)) return;
      if (c != control) continue;
      event->ignore();
      DefaultHandler(c);
      if (event->isAccepted()) return;
    }
  });
  event->accept();
  return true;
}
