#include <gtest/gtest.h>

#include <QTest>

#include "platform/core/exception.h"
#include "message_log.h"
#include "platform/controls/timer.h"

namespace {

// Lets the message loop run for a while; the waits bound the test, they assert no timing.
void Idle(int milliseconds) { QTest::qWait(milliseconds); }

TEST(Timer, FiresWhileEnabledWithItselfAsSender) {
  TTimer timer(nullptr);
  EXPECT_TRUE(timer.GetEnabled());
  EXPECT_EQ(timer.GetInterval(), 1000);
  int count = 0;
  TObject* sender = nullptr;
  timer.OnTimer = [&](TObject* s) {
    ++count;
    sender = s;
  };
  timer.SetInterval(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return count >= 3; }, 5000));
  EXPECT_EQ(sender, &timer);

  timer.SetEnabled(false);
  Idle(1);
  count = 0;
  Idle(30);
  EXPECT_EQ(count, 0);
  timer.SetEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return count >= 1; }, 5000));
}

TEST(Timer, AnIntervalOfZeroNeverFires) {
  TTimer timer(nullptr);
  int count = 0;
  timer.OnTimer = [&](TObject*) { ++count; };
  timer.SetInterval(0);
  Idle(50);
  EXPECT_EQ(count, 0);
  EXPECT_TRUE(timer.GetEnabled());
}

TEST(Timer, AHandlerMayFreeItsTimerOrFail) {
  TComponent owner(nullptr);
  auto* timer = new TTimer(&owner);
  bool fired = false;
  timer->SetInterval(1);
  timer->OnTimer = [&](TObject* sender) {
    fired = true;
    delete static_cast<TTimer*>(sender);
  };
  EXPECT_TRUE(QTest::qWaitFor([&] { return fired; }, 5000));
  EXPECT_EQ(owner.GetComponentCount(), 0);

  MessageLog log;
  TTimer failing(&owner);
  failing.SetInterval(1);
  failing.OnTimer = [&](TObject*) {
    failing.SetEnabled(false);
    throw Exception("Timer failed");
  };
  EXPECT_TRUE(QTest::qWaitFor([&] { return !log.texts.empty(); }, 5000));
  EXPECT_EQ(log.texts, std::vector<AnsiString>{"Timer failed."});
}

}  // namespace
