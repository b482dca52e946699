// A grid of the package on a form, and the real Qt events that reach it: keys to the focused
// widget, and the client area rendered to an image (which paints it).
#pragma once

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QImage>
#include <QTest>

#include "platform/forms.h"

template <typename Grid>
class ShownGrid : public testing::Test {
 protected:
  TForm form{nullptr};
  Grid* grid = nullptr;

  void SetUp() override {
    form.SetBounds(0, 0, 500, 400);
    grid = new Grid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 340, 204);
  }
  void ShowFocused() {
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
    grid->SetFocus();
  }
  QWidget* Client() const { return static_cast<QAbstractScrollArea*>(grid->Widget())->viewport(); }
  QImage Render() const { return Client()->grab().toImage(); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
  TPoint Current() const { return {grid->GetCol(), grid->GetRow()}; }
};
