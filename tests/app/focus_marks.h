// Whether a keyboard user sees where the focus is: Tab pressed through a window as a user
// presses it, each stop's picture taken just before the focus reaches it and again once it has
// it. A window's picture with the focus on its first button is kept for looking at.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

#include "platform/controls/forms.h"
#include "platform/stdctrls/button.h"
#include "tab_walk.h"
#include "window_picture.h"

inline TWinControl* ControlNamed(const NamedControls& controls, const std::string& name) {
  for (const auto& [control, controlName] : controls)
    if (controlName == name) return control;
  return nullptr;
}

// The stops, from the focused one round to it again, whose picture does not change as Tab
// brings them the focus (or that Tab does not reach). A window with one stop lets go of the
// focus first, so that Tab has somewhere to bring it from. The window is rendered into
// `picture` with the focus on its first button.
inline std::vector<std::string> UnmarkedStops(TForm& form, const NamedControls& controls,
                                              const QString& picture) {
  const std::vector<std::string> order = TabWalk(controls);
  std::vector<std::string> unmarked;
  bool rendered = false;
  for (size_t i = 1; i <= order.size(); ++i) {
    const std::string& name = order[i % order.size()];
    TWinControl* control = ControlNamed(controls, name);
    if (order.size() == 1) QApplication::focusWidget()->clearFocus();
    QImage before = control->Widget()->grab().toImage();
    QWidget* from = QApplication::focusWidget();
    QTest::keyClick(from ? from : form.Widget(), Qt::Key_Tab);
    if (FocusedName(controls) != name || control->Widget()->grab().toImage() == before)
      unmarked.push_back(name);
    if (!rendered && dynamic_cast<TButton*>(control))
      rendered = !RenderWindow(&form, picture).isNull();
  }
  EXPECT_TRUE(rendered) << "no button took the focus";
  return unmarked;
}
