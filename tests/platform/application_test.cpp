#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <thread>

#include "platform/application.h"

namespace {

TEST(Application, ProcessMessagesDeliversWaitingEvents) {
  bool delivered = false;
  QTimer::singleShot(0, [&] { delivered = true; });
  // Calls close together may skip the loop; keep calling until it has run.
  for (int i = 0; i < 1000 && !delivered; ++i) {
    Application->ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_TRUE(delivered);
}

TEST(Application, TheHourglassOverridesTheCursorUntilReset) {
  Screen->SetCursor(crHourGlass);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  Screen->SetCursor(crSQLWait);
  Screen->SetCursor(crDefault);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(Screen->GetCursor(), crDefault);
}

}  // namespace
