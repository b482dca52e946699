// What the app tests share within one process or with other runs on the machine stays theirs:
// the list fixtures give the separators back, and the walk's display admits only its own
// clients.
#include <gtest/gtest.h>

#include <QProcess>

#include "ListAndQueryTest.h"
#include "XDisplay.h"
#include "locale_scope.h"

namespace {

// A list test run by hand, from its set-up to its end.
class OneListTest : public ListAndQuery {
 public:
  using ListAndQuery::SetUp;
  using ListAndQuery::TearDown;

 private:
  void TestBody() override {}
};

TEST(TestIsolation, AListFixtureGivesTheSeparatorsBack) {
  LocaleScope english(kEnglish);
  {
    OneListTest test;
    test.SetUp();
    EXPECT_EQ(DecimalSeparator, ',');
    test.TearDown();
  }
  EXPECT_EQ(DecimalSeparator, '.');
  EXPECT_EQ(ThousandSeparator, ',');
}

TEST(TestIsolation, AClientWithoutTheCookieCannotReachTheDisplay) {
  XDisplay x;
  if (!x.Problem().isEmpty()) GTEST_SKIP() << x.Problem().toStdString();
  auto pointer = [&](const QString& authority) {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", x.Name());
    env.insert("XAUTHORITY", authority);
    tool.setProcessEnvironment(env);
    tool.start("xdotool", {"getmouselocation"});
    return tool.waitForFinished(10000) && tool.exitStatus() == QProcess::NormalExit &&
           tool.exitCode() == 0;
  };
  EXPECT_FALSE(pointer("/dev/null"));
  EXPECT_TRUE(pointer(x.ClientEnvironment().value("XAUTHORITY")));
}

}  // namespace
