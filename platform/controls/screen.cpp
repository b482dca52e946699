#include "platform/controls/screen.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>

#include "platform/controls/forms.h"
#include "platform/controls/qt/qt_control_events.h"
#include "platform/graphics/qt/qt_cursor.h"

namespace {
TScreen theScreen;

QRect Geometry(bool available) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return available ? screen->availableGeometry() : screen->geometry();
}
}  // namespace

TScreen* Screen = &theScreen;

void TScreen::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  bool wasOverridden = cursor_ != crDefault;
  cursor_ = cursor;
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  if (wasOverridden) QApplication::restoreOverrideCursor();
  if (cursor != crDefault) QApplication::setOverrideCursor(QCursor(ToCursorShape(cursor)));
}

int TScreen::GetWidth() const { return Geometry(false).width(); }
int TScreen::GetHeight() const { return Geometry(false).height(); }
int TScreen::GetWorkAreaLeft() const { return Geometry(true).left(); }
int TScreen::GetWorkAreaTop() const { return Geometry(true).top(); }
int TScreen::GetWorkAreaWidth() const { return Geometry(true).width(); }
int TScreen::GetWorkAreaHeight() const { return Geometry(true).height(); }

TForm* TScreen::GetActiveForm() const {
  return dynamic_cast<TForm*>(ControlEvents::ControlOf(QApplication::activeWindow()));
}

TWinControl* TScreen::GetActiveControl() const {
  return dynamic_cast<TWinControl*>(ControlEvents::ControlOf(QApplication::focusWidget()));
}

bool GetCursorPos(TPoint& Point) {
  const QPoint at = QCursor::pos();
  Point = TPoint(at.x(), at.y());
  return true;
}

bool SetCursorPos(int X, int Y) {
  QCursor::setPos(X, Y);
  return true;
}
