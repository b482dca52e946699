#include "platform/controls/popup_window.h"

#include <QWidget>

#include "platform/graphics/qt/qt_canvas.h"

void SetPopupStyle(TControl* control, bool disabled) {
  QWidget* widget = control->Widget();
  Qt::WindowFlags flags = Qt::ToolTip | Qt::FramelessWindowHint;
  if (disabled) flags |= Qt::WindowTransparentForInput;
  widget->setWindowFlags(flags);
  widget->setAttribute(Qt::WA_ShowWithoutActivating);
  widget->setAttribute(Qt::WA_TransparentForMouseEvents, disabled);
  widget->setFocusPolicy(Qt::NoFocus);
}

void ShowPopupWindow(TControl* control, bool visible) {
  QWidget* widget = control->Widget();
  widget->setVisible(visible);
  if (visible) widget->raise();
}

int SetWindowRgn(HWND window, HRGN region, bool redraw) {
  if (!window) return 0;
  if (region)
    window->Widget()->setMask(region->region);
  else
    window->Widget()->clearMask();
  delete region;
  if (redraw) window->Widget()->update();
  return 1;
}
