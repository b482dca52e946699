// Appends on a full disk: the disk takes the first bytes of the new record and refuses the
// rest. The file must stay as it was, for readers that read to its end (dbfread) as well as
// for the engine, which reads the header's count; running copies appending at once too.
#include <set>

#include "full_disk.h"
#include "python_peer.h"
#include "tests/engine/Copies.h"
#include "tests/engine/EngineTest.h"

namespace {

constexpr long kPage = 4096;  // what the small tmpfs gives a file at a time

class FullDiskAppendTest : public EngineTest {
 protected:
  static DbfFile Table() { return DbfFile{{{"WER", 'C', 1}, {"NR", 'N', 5}, {"REST", 'C', 250}}}; }

  // Records enough that the next one starts a few bytes before the end of the file's last
  // page, so the disk takes its first bytes only.
  static DbfFile Straddling(bool endByte) {
    DbfFile file = Table();
    auto end = [&] { return file.Bytes().size() + (endByte ? 1 : 0); };
    while (kPage - static_cast<long>(end()) % kPage > 16) file.Add({"X", std::to_string(file.records.size())});
    return file;
  }

  // The records as dbfread reads them, to the end of the file: "WER NR" each.
  static std::vector<std::string> Dbfread(const std::string& path) {
    const PythonRun run = RunPython(
        "import sys, dbfread\n"
        "for r in dbfread.DBF(sys.argv[1], encoding='cp1252'): print(r['WER'], r['NR'])\n",
        {path});
    EXPECT_EQ(run.status, 0);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = run.out.find('\n', start)) != std::string::npos; start = end + 1)
      lines.push_back(run.out.substr(start, end - start));
    return lines;
  }
  static std::vector<std::string> Expected(const DbfFile& file) {
    std::vector<std::string> lines;
    for (std::size_t n = 0; n < file.records.size(); ++n) lines.push_back("X " + std::to_string(n));
    return lines;
  }
};

// A new record at the end (dbase_schreiben) and a new record where no deleted slot is left
// (dbase_neuschreiben), on a table without and with the end-of-file byte 0x1A: refused,
// and the file byte for byte as before, the end byte kept.
TEST_F(FullDiskAppendTest, ARefusedAppendLeavesTheFileAsItWas) {
  REQUIRE_PYTHON_MODULE("dbfread", "python3-dbfread");
  for (bool endByte : {false, true}) {
    for (bool asNew : {false, true}) {
      SCOPED_TRACE(std::string(endByte ? "with" : "without") + " end byte, " +
                   (asNew ? "dbase_neuschreiben" : "dbase_schreiben"));
      FullDisk disk("64k");
      SKIP_WITHOUT_FULL_DISK(disk);
      const DbfFile file = Straddling(endByte);
      const std::string before = file.Bytes() + (endByte ? "\x1A" : "");
      const std::string path = disk / "teile.dbf";
      WriteBytes(path, before);
      ASSERT_EQ(dbase_open(path), 1);
      disk.Fill();

      dbase_feldschreibenAnsi("N", 0);
      dbase_feldschreibenAnsi("99", 1);
      long slot = 0;
      EXPECT_EQ(asNew ? dbase_neuschreiben(slot) : dbase_schreiben(dbase_anzahldatensaetze), 0);
      EXPECT_EQ(dbase_anzahldatensaetze, file.records.size());
      EXPECT_TRUE(ReadBytes(path) == before) << "the file has " << ReadBytes(path).size()
                                             << " bytes, before " << before.size();
      EXPECT_EQ(Dbfread(path), Expected(file));

      // Room again: the next append is whole, with nothing of the refused one.
      disk.Free();
      dbase_feldschreibenAnsi("N", 0);
      EXPECT_EQ(dbase_schreiben(dbase_anzahldatensaetze), 1);
      std::vector<std::string> after = Expected(file);
      after.push_back("N 99");
      EXPECT_EQ(Dbfread(path), after);
      dbase_close();
    }
  }
}

// Copies appending at once until the disk is full and then on, each failure cut back while
// the other copy waits to append: the file ends with the last counted record, every record a
// copy was told saved is there once, and none it was told not saved.
TEST_F(FullDiskAppendTest, CopiesAppendingOntoAFullDiskLeaveOnlyCountedRecords) {
  REQUIRE_PYTHON_MODULE("dbfread", "python3-dbfread");
  // Nine pages: the records do not end at the last page's end, so the disk takes part of the
  // record that does not fit.
  FullDisk disk("36k");
  SKIP_WITHOUT_FULL_DISK(disk);
  const DbfFile file = Table();
  ASSERT_NE((9 * kPage - file.HeaderLength()) % file.RecordLength(), 0);
  const std::string path = disk / "teile.dbf";
  WriteBytes(path, file.Bytes());
  constexpr int kTries = 200;  // more than the disk holds
  // The copy's saved records: its exit code.
  const std::vector<int> saved = RunCopiesAtOnce(2, [&](int k) {
    if (dbase_open(path) != 1) return 255;
    int done = 0;
    for (int i = 0; i < kTries; ++i) {
      dbase_feldschreibenAnsi(std::string(1, "AB"[k]), 0);
      dbase_feldschreibenAnsi(std::to_string(done), 1);
      done += dbase_schreiben(dbase_anzahldatensaetze);
    }
    return done;
  });
  ASSERT_LT(saved[0] + saved[1], kTries) << "the disk never ran full";

  ASSERT_EQ(dbase_open(path), 1);
  EXPECT_EQ(dbase_anzahldatensaetze, static_cast<uint32_t>(saved[0] + saved[1]));
  EXPECT_EQ(ReadBytes(path).size(),
            file.HeaderLength() + dbase_anzahldatensaetze * std::size_t{file.RecordLength()});
  std::multiset<std::string> expected;
  for (int k = 0; k < 2; ++k)
    for (int i = 0; i < saved[k]; ++i) expected.insert(std::string(1, "AB"[k]) + " " + std::to_string(i));
  const std::vector<std::string> read = Dbfread(path);
  EXPECT_EQ(std::multiset<std::string>(read.begin(), read.end()), expected);
}

}  // namespace
