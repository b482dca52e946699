// The keyboard's way through a window: Tab pressed as a user presses it, from the control
// that has the focus, and the named controls the focus reaches, until it comes back.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

#include "platform/controls/wincontrol.h"

using NamedControls = std::vector<std::pair<TWinControl*, std::string>>;

// A form's member and its name, for a table of NamedControls.
#define NAMED(form, member) \
  { (form).member, #member }

// The name of the control whose widget holds the keyboard focus: the innermost one that
// contains it; "?" and the widget's class for none of them.
inline std::string FocusedName(const NamedControls& controls) {
  QWidget* focus = QApplication::focusWidget();
  QWidget* best = nullptr;
  std::string name = focus ? std::string("? ") + focus->metaObject()->className() : "?";
  for (const auto& [control, controlName] : controls) {
    QWidget* w = control->Widget();
    if (focus && (w == focus || w->isAncestorOf(focus)) && (!best || best->isAncestorOf(w)))
      best = w, name = controlName;
  }
  return name;
}

// The focused control first, then each one Tab reaches until the first comes back (that one
// is not repeated), at most `limit` presses.
inline std::vector<std::string> TabWalk(const NamedControls& controls, int limit = 60) {
  std::vector<std::string> reached = {FocusedName(controls)};
  for (int i = 0; i < limit; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    std::string name = FocusedName(controls);
    if (name == reached.front()) break;
    reached.push_back(name);
  }
  return reached;
}
