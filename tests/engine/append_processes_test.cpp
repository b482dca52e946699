// Several running copies append to one table, each knowing only the count it read itself.
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "tests/engine/EngineTest.h"

namespace {

using AppendProcessesTest = EngineTest;

constexpr int kEach = 400;

// Waits until the pipe `start` closes, then appends kEach records marked `who`.
[[noreturn]] void AppendAfterStart(const std::string& path, const int start[2], char who) {
  close(start[1]);
  char go;
  if (read(start[0], &go, 1) < 0 || dbase_open(path) != 1) _exit(2);
  for (int i = 0; i < kEach; ++i) {
    dbase_feldschreibenAnsi(std::string(1, who), 0);
    dbase_feldschreibenAnsi(std::to_string(i), 1);
    if (dbase_schreiben(dbase_anzahldatensaetze) != 1) _exit(1);
  }
  _exit(0);
}

TEST_F(AppendProcessesTest, TwoCopiesAppendingAtOnceLoseNoRecord) {
  DbfFile file{{{"WER", 'C', 1}, {"NR", 'N', 5}}};
  std::string path = dir / "teile.dbf";
  file.Write(path);
  int start[2];
  ASSERT_EQ(pipe(start), 0);
  std::vector<pid_t> copies;
  for (char who : {'A', 'B'}) {
    pid_t pid = fork();
    if (pid == 0) AppendAfterStart(path, start, who);
    copies.push_back(pid);
  }
  close(start[0]);
  close(start[1]);  // both copies start now
  for (pid_t pid : copies) {
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }

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
