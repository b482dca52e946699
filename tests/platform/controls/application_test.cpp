#include <gtest/gtest.h>

#include <QTimer>

#include <chrono>
#include <thread>

#include "platform/controls/application.h"

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

}  // namespace
