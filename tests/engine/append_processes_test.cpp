// Several running copies append to one table, each knowing only the count it read itself.
#include <set>

#include "tests/engine/Copies.h"
#include "tests/engine/EngineTest.h"

namespace {

using AppendProcessesTest = EngineTest;

constexpr int kEach = 400;

// Appends kEach records marked `who`; 0 when all were written.
int Append(const std::string& path, char who) {
  if (dbase_open(path) != 1) return 2;
  for (int i = 0; i < kEach; ++i) {
    dbase_feldschreibenAnsi(std::string(1, who), 0);
    dbase_feldschreibenAnsi(std::to_string(i), 1);
    if (dbase_schreiben(dbase_anzahldatensaetze) != 1) return 1;
  }
  return 0;
}

TEST_F(AppendProcessesTest, TwoCopiesAppendingAtOnceLoseNoRecord) {
  DbfFile file{{{"WER", 'C', 1}, {"NR", 'N', 5}}};
  std::string path = dir / "teile.dbf";
  file.Write(path);
  for (int code : RunCopiesAtOnce(2, [&](int k) { return Append(path, "AB"[k]); }))
    EXPECT_EQ(code, 0);

  ASSERT_EQ(dbase_open(path), 1);
  ASSERT_EQ(dbase_anzahldatensaetze, 2u * kEach);
  EXPECT_EQ(ReadBytes(path).size(), file.HeaderLength() + 2u * kEach * file.RecordLength());
  std::set<std::string> seen;
  for (int n = 0; n < 2 * kEach; ++n) {
    ASSERT_EQ(dbase_lesenmulti(n), 1);
    seen.insert(dbase_trAnsi(0) + dbase_trAnsi(1));
  }
  EXPECT_EQ(seen.size(), 2u * kEach);
}

}  // namespace
