// Mouse input as the window system gives it: pressed and released on the widget's window at
// the widget's point, so Qt finds the widget under the pointer, and a modal window blocks it.
#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

inline QPoint WindowPoint(QWidget* widget, QPoint at) {
  return widget->window()->windowHandle()->mapFromGlobal(widget->mapToGlobal(at));
}

inline QPoint MiddleOf(QWidget* widget) { return widget->rect().center(); }

inline void WindowPress(QWidget* widget, QPoint at) {
  QTest::mousePress(widget->window()->windowHandle(), Qt::LeftButton, {}, WindowPoint(widget, at));
}

inline void WindowRelease(QWidget* widget, QPoint at) {
  QTest::mouseRelease(widget->window()->windowHandle(), Qt::LeftButton, {},
                      WindowPoint(widget, at));
}

inline void WindowClick(QWidget* widget, QPoint at) {
  QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {}, WindowPoint(widget, at));
}

inline void WindowClick(QWidget* widget) { WindowClick(widget, MiddleOf(widget)); }
