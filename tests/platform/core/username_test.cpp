#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <string>

#include "platform/core/username.h"

namespace {

TEST(UserName, LoginNameWithWindowsBufferRules) {
  std::string expected = getpwuid(geteuid())->pw_name;
  char buffer[256];
  unsigned long size = sizeof buffer;
  ASSERT_TRUE(GetUserNameA(buffer, &size));
  EXPECT_EQ(std::string(buffer), expected);
  EXPECT_EQ(size, expected.size() + 1);

  char small[1] = {'x'};
  size = expected.size();  // one short: no room for the NUL
  EXPECT_FALSE(GetUserNameA(small, &size));
  EXPECT_EQ(size, expected.size() + 1);
  size = 0;
  EXPECT_FALSE(GetUserNameA(nullptr, &size));
  EXPECT_EQ(size, expected.size() + 1);
  EXPECT_FALSE(GetUserNameA(buffer, nullptr));
}

}  // namespace
