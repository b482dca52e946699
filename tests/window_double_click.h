// A left double click as the window system reports it: press, release, press, release on the
// widget's window. Qt makes the widgets' events from it (QTest's double click on a widget sends
// the double click alone).
#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

inline void WindowDoubleClick(QWidget* widget, QPoint at, Qt::KeyboardModifiers modifiers = {}) {
  QWindow* window = widget->window()->windowHandle();
  QTest::mouseDClick(window, Qt::LeftButton, modifiers,
                     window->mapFromGlobal(widget->mapToGlobal(at)));
}
