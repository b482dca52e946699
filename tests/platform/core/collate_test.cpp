#include "platform/core/collate.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

class Collate : public testing::Test {
 protected:
  void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(Collate, TheDefaultLocaleOrdersLettersAsItsUsersDo) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(LocaleCompare("\xE4rger", "Bach", false), -1);  // ä beside a
  EXPECT_EQ(LocaleCompare("Bach", "apfel", false), 1);
  EXPECT_EQ(LocaleCompare("STRASSE", "strasse", false), 0);
  EXPECT_NE(LocaleCompare("STRASSE", "strasse", true), 0);
  EXPECT_EQ(LocaleCompare("a", "a", true), 0);
  EXPECT_EQ(LocaleCompare("", "a", true), -1);
}

TEST_F(Collate, TheCLocaleComparesCharacterCodes) {
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(LocaleCompare("a", "B", true), 1);
  EXPECT_EQ(LocaleCompare("\xE4", "z", true), 1);
}

}  // namespace
