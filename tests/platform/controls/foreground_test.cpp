#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "platform/controls/foreground.h"
#include "platform/controls/forms.h"
#include "platform/stdctrls/button.h"

namespace {

// A control's handle brings up the form it lies on, in front of another shown later.
TEST(Foreground, BringsTheControlsFormToTheFrontAndActivatesIt) {
  TForm first(nullptr), second(nullptr);
  auto* button = new TButton(&first);
  button->SetParent(&first);
  first.Show();
  second.Show();
  QApplication::processEvents();
  ASSERT_NE(QApplication::activeWindow(), first.Widget());

  EXPECT_TRUE(SetForegroundWindow(button->GetHandle()));
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), first.Widget());
}

TEST(Foreground, RefusesNoWindowAndAHiddenOne) {
  TForm form(nullptr);
  EXPECT_FALSE(SetForegroundWindow(nullptr));
  EXPECT_FALSE(SetForegroundWindow(form.GetHandle()));
  EXPECT_FALSE(form.Widget()->isVisible());
}

}  // namespace
