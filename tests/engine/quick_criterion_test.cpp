// The quick criteria give the answer of the field's full comparison on every stored form a
// text or logical field can take: case, umlauts of either code page, blanks, a NUL, texts
// past 19 characters, deleted records.
#include <optional>

#include "engine/DbaseQuickCriterion.h"
#include "tests/engine/EngineTest.h"

namespace {

constexpr int kName = 0;
constexpr int kFlag = 1;

class QuickCriterionTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    DbfFile file{{{"NAME", 'C', 22}, {"FLAG", 'L', 1}}};
    const char* names[] = {"Reichelt", "reichelt GmbH", "REICHELT", "Reich", "", "   ",
                           "M\xFCller", "M\x81ller", "M\xDCLLER", "ab cd", "ab ", "ab",
                           "abcdefghijklmnopqrstuv", "abcdefghijklmnopqrs", "*", "R"};
    const char* flags[] = {"T", "F", "Y", "n", "t", "?", " "};
    int k = 0;
    for (const char* name : names) file.Add({name, flags[k++ % std::size(flags)]});
    std::string withNul = file.Record({"Reich", "T"});
    withNul[6] = '\0';
    withNul.replace(7, 3, "elt");
    file.records.push_back(withNul);
    file.records.push_back(file.Record({"Reichelt", "T"}, '*'));
    Open(file);
  }

  // Every record, code page and case setting: the quick answer against the full comparison.
  void ExpectSameAnswers(int field, char op, std::string_view criterion) {
    for (uint8_t zeichensatz : {0, 1, 2})
      for (int grossklein : {0, 1}) {
        std::optional<DbaseQuickCriterion> quick =
            DbaseQuickCriterion::Of(dbase_tabelle, field, op, criterion, zeichensatz, grossklein);
        ASSERT_TRUE(quick) << criterion;
        EXPECT_TRUE(quick->Fits(zeichensatz, grossklein));
        for (long r = 0; r < static_cast<long>(dbase_anzahldatensaetze); ++r) {
          DbaseRead(dbase_tabelle, r);
          const int c = DbaseFieldCompare(dbase_tabelle, field, criterion, zeichensatz, grossklein);
          EXPECT_EQ(quick->Holds(dbase_tabelle), DbaseOperatorHolds(op, c))
              << op << criterion << " record " << r << " code page " << int{zeichensatz}
              << " case " << grossklein;
        }
      }
  }
};

TEST_F(QuickCriterionTest, APrefixPatternAnswersAsTheWildcardMatch) {
  for (const char* pattern :
       {"Reichelt*", "reichelt*", "Reich*", "Reichelt GmbH*", "*", "M\xFC*", "M\x81ller*",
        "m\xDCller*", "ab *", "ab*", "ab c*", "abcdefghijklmnopqrs*", "abcdefghijklmnopqrstu*",
        "abcdefghijklmnopqrstuvwxyz", "R*", "\\*"})
    for (char op : {'=', '!'}) ExpectSameAnswers(kName, op, pattern);
}

TEST_F(QuickCriterionTest, ALogicalFieldAnswersForEveryOperator) {
  for (const char* value : {"ja", "nein", "j", "n", "", "x"})
    for (char op : {'=', '!', '<', '>', '?'}) ExpectSameAnswers(kFlag, op, value);
}

TEST_F(QuickCriterionTest, OtherFormsAreLeftToTheFullComparison) {
  auto quick = [](int field, char op, const char* criterion) {
    return DbaseQuickCriterion::Of(dbase_tabelle, field, op, criterion, 0, 1).has_value();
  };
  EXPECT_FALSE(quick(kName, '=', "Reichelt"));
  EXPECT_FALSE(quick(kName, '=', "R?ich*"));
  EXPECT_FALSE(quick(kName, '=', "*elt"));
  EXPECT_FALSE(quick(kName, '=', "Rei*chelt*"));
  EXPECT_FALSE(quick(kName, '<', "Reichelt*"));
  EXPECT_FALSE(quick(kName, '=', ""));
  EXPECT_FALSE(quick(2, '=', "ja"));  // no such field
  EXPECT_FALSE(DbaseQuickCriterion::Of(dbase_tabelle, kName, '=', "R*", 0, 1)->Fits(0, 0));
}

}  // namespace
