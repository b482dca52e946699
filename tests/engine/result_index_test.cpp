// The in-memory result index and its sort rules.
#include <gtest/gtest.h>

#include "engine/ResultIndex.h"
#include "locale_scope.h"

namespace {

class ResultIndexTest : public ::testing::Test {
 protected:
  // Hits whose record numbers are their places in `keys`.
  void Fill(const std::vector<std::pair<std::string, std::string>>& keys) {
    index.Clear();
    for (std::size_t i = 0; i < keys.size(); ++i) index.AddHit(std::to_string(i), keys[i].first, keys[i].second);
  }
  std::vector<std::string> Order() const {
    std::vector<std::string> rows;
    for (int row = 0; row + 1 < index.RowCount(); ++row) rows.emplace_back(index.Cell(0, row));
    return rows;
  }
  void SortBy(IndexSortStyle style) {
    index.SetSortStyle(1, style);
    index.Sort(1);
  }
  using Rows = std::vector<std::string>;
  LocaleScope german{kGerman};
  MemoryResultIndex index;
};

TEST_F(ResultIndexTest, HoldsHitsAndOneEmptyRow) {
  EXPECT_EQ(index.RowCount(), 1);
  index.AddHit("17", "a", "b");
  EXPECT_EQ(index.RowCount(), 2);
  EXPECT_EQ(index.Cell(0, 0), "17");
  EXPECT_EQ(index.Cell(2, 0), "b");
  EXPECT_EQ(index.Cell(0, 1), "");
  EXPECT_EQ(index.Cell(3, 0), "");
  EXPECT_EQ(index.Cell(-1, 0), "");
  index.Clear();
  EXPECT_EQ(index.RowCount(), 1);
  index.Sort(1);  // nothing to sort
}

TEST_F(ResultIndexTest, NumbersByValueEmptyLastNonNumbersAnywhere) {
  Fill({{"10", ""}, {"9", ""}, {"", ""}, {"abc", ""}, {"-1,5", ""}, {"2,25", ""}});
  SortBy(IndexSortStyle::Numeric);
  Rows order = Order();
  EXPECT_EQ(order.back(), "2");
  order.erase(std::find(order.begin(), order.end(), "3"));
  EXPECT_EQ(order, (Rows{"4", "5", "1", "0", "2"}));
}

TEST_F(ResultIndexTest, TextsByByteValue) {
  Fill({{"abc", ""}, {"B", ""}, {"ab", ""}, {"\xE4", ""}, {"a", ""}});
  SortBy(IndexSortStyle::Alphabetic);
  EXPECT_EQ(Order(), (Rows{"1", "4", "2", "0", "3"}));
}

TEST_F(ResultIndexTest, DatesByDayImpossibleOnesFirst) {
  Fill({{"01.02.2013", ""}, {"31.02.2013", ""}, {"31.12.2012", ""}, {"", ""}});
  SortBy(IndexSortStyle::Date);
  EXPECT_EQ(Order(), (Rows{"1", "2", "0", "3"}));
}

TEST_F(ResultIndexTest, AutomaticColumnsTellNumbersDatesAndTexts) {
  Fill({{"10", ""}, {"2", ""}});
  SortBy(IndexSortStyle::Automatic);
  EXPECT_EQ(Order(), (Rows{"1", "0"}));
  LocaleScope english{kEnglish};
  Fill({{"12/31/2012", ""}, {"02/01/2012", ""}});
  SortBy(IndexSortStyle::Automatic);
  EXPECT_EQ(Order(), (Rows{"1", "0"}));
  Fill({{"b", ""}, {"a", ""}});
  SortBy(IndexSortStyle::Automatic);
  EXPECT_EQ(Order(), (Rows{"1", "0"}));
}

TEST_F(ResultIndexTest, TiesAreDecidedByTheNextColumnWithItsOwnStyle) {
  Fill({{"x", "10"}, {"x", "9"}, {"a", "100"}, {"x", ""}});
  index.SetSortStyle(2, IndexSortStyle::Numeric);
  index.Sort(2);
  SortBy(IndexSortStyle::Alphabetic);
  EXPECT_EQ(Order(), (Rows{"2", "1", "0", "3"}));
}

}  // namespace
