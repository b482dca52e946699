#include "platform/controls/foreground.h"

#include <QWidget>

bool SetForegroundWindow(HWND window) {
  if (window == nullptr) return false;
  QWidget* top = window->Widget()->window();
  if (!top->isVisible()) return false;
  top->raise();
  top->activateWindow();
  return true;
}
