// What the app tests share within one process stays theirs: the list fixtures give the
// separators back.
#include <gtest/gtest.h>

#include "ListAndQueryTest.h"
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

}  // namespace
