// A grid on a shown form, and the real Qt events that reach it: mouse and keys on its client
// area, and the client area rendered to an image (which paints it).
#pragma once

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include "platform/controls/forms.h"
#include "platform/grids/grid_types.h"

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
  // A point inside a cell, `dx` and `dy` from its top-left corner.
  QPoint At(int col, int row, int dx = 5, int dy = 5) const {
    TRect r = grid->CellRect(col, row);
    return {r.Left + dx, r.Top + dy};
  }
  void Press(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mousePress(Client(), Qt::LeftButton, modifiers, at);
  }
  void Release(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseRelease(Client(), Qt::LeftButton, modifiers, at);
  }
  // QTest's mouse moves carry no buttons; a drag's moves must.
  void MoveTo(QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, Client()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Client(), &move);
  }
  void Drag(QPoint from, QPoint to) {
    Press(from);
    MoveTo({(from.x() + to.x()) / 2, (from.y() + to.y()) / 2});
    MoveTo(to);
    Release(to);
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
  // Each character to the widget focused when it is typed, as the keyboard sends it.
  void Type(const char* text) {
    for (; *text; ++text) QTest::keyClicks(QApplication::focusWidget(), QString(QChar(*text)));
  }
  TGridCoord Current() const { return {grid->GetCol(), grid->GetRow()}; }
};
