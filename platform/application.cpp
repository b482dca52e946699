#include "platform/application.h"

#include <QApplication>
#include <QCursor>

namespace {
TApplication theApplication;
TScreen theScreen;
constexpr auto kLoopInterval = std::chrono::milliseconds(5);
}  // namespace

TApplication* Application = &theApplication;
TScreen* Screen = &theScreen;

void TApplication::ProcessMessages() {
  auto now = std::chrono::steady_clock::now();
  if (now - lastRun_ < kLoopInterval) return;
  lastRun_ = now;
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

void TApplication::Run() {
  if (!terminated_ && QCoreApplication::instance()) QCoreApplication::exec();
}

void TApplication::Terminate() {
  terminated_ = true;
  if (QCoreApplication::instance()) QCoreApplication::quit();
}

void TScreen::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  bool wasOverridden = cursor_ != crDefault;
  cursor_ = cursor;
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  Qt::CursorShape shape = cursor == crHourGlass || cursor == crSQLWait ? Qt::WaitCursor
                                                                        : Qt::ArrowCursor;
  if (wasOverridden) QApplication::restoreOverrideCursor();
  if (cursor != crDefault) QApplication::setOverrideCursor(QCursor(shape));
}
