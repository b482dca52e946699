// The program's files on a full disk: the last query saved after a run, a query saved by the
// user, the cart and the general CSV file each say so in the program's words and keep the file
// that was there; the cart's numbered files already written stay whole.
#include "ExportWindowTest.h"
#include "full_disk_writers.h"

namespace {

const AnsiString kSavingError = "Fehler beim speichern (saving error)";

class FullDiskExports : public ExportWindow {
 protected:
  // The messages of what `action` did, the dialogs' empty titles left out.
  std::vector<AnsiString> Shown(const std::function<void()>& action) {
    log.texts.clear();
    action();
    return Messages();
  }
  testing::AssertionResult Said(const std::vector<AnsiString>& shown,
                                const std::vector<AnsiString>& expected) {
    if (shown == expected) return testing::AssertionSuccess();
    auto failure = testing::AssertionFailure() << "said:";
    for (const AnsiString& text : shown) failure << " \"" << text << "\"";
    return failure;
  }
};

TEST_F(FullDiskExports, EveryWriterSaysSoAndKeepsTheLastGoodFile) {
  WriteDatabase(300, 40);
  ShowList();
  const std::string hits = std::to_string(hitRecords.size());
  ExpectFullDiskKeepsOldFiles({
      // The working folder is the full one: the run's hits show all the same.
      {"the last query after a run", "LetzteAbfrage.dba", ReadBytes(Path("LetzteAbfrage.dba")),
       [&](const std::string& path) {
         InFolder full(std::filesystem::path(path).parent_path());
         const auto shown = Shown([&] {
           list.cboAusgabe->SetText(Path(TfrmWarenkorbExportieren::kCartQuery));
           list.cboAusgabeChange(nullptr);
         });
         EXPECT_EQ(list.labnumberofindex->GetCaption(), hits);
         EXPECT_EQ(list.grdAusgabe->Cells(1, 1), "Teil " + Number(hitRecords[0]));
         return Said(shown, {"LetzteAbfrage.dba - konnte nicht gespeichert werden"});
       }},
      {"the query window's save", "abfrage.dba", ReadBytes(Path("LetzteAbfrage.dba")),
       [&](const std::string& path) {
         return Said(Shown([&] {
                       log.Answer(AnsiString(path));
                       query.btnSpeichernClick(nullptr);
                     }),
                     {path + " - konnte nicht gespeichert werden"});
       }},
      {"the cart export", "korb.csv", "",
       [&](const std::string& path) {
         return Said(Shown([&] { ExportCart(path); }), {kSavingError});
       }},
      {"the general CSV export", "alle.csv", "",
       [&](const std::string& path) {
         return Said(Shown([&] {
                       log.Answer(AnsiString(path));
                       form.btnCSVDateiClick(nullptr);
                     }),
                     {"Fehler beim speichern"});
       }},
  });
}

// Room for the first of three files: it is written whole, the second fails with the message,
// its old file stays, and the export stops there.
TEST_F(FullDiskExports, TheCartStopsAtTheFirstFileThatFailsAndTheOnesWrittenAreWhole) {
  WriteDatabase(3000, 2500);
  ShowList();
  FullDisk disk;
  SKIP_WITHOUT_FULL_DISK(disk);
  // 1000 lines of 9 bytes take three pages.
  WriteBytes(disk / "room", std::string(3 * 4096, 'r'));
  WriteBytes(disk / "korb_2.csv", "the last good file\n");
  disk.Fill();
  std::filesystem::remove(disk / "room");
  EXPECT_EQ(Shown([&] { ExportCart(disk / "korb.csv"); }), std::vector<AnsiString>{kSavingError});
  EXPECT_EQ(Read(disk / "korb_1.csv"), CartLines(0, 1000));
  EXPECT_EQ(Read(disk / "korb_2.csv"), "the last good file\n");
  EXPECT_EQ(FolderNames(disk.Path()),
            (std::set<std::string>{".filler", "korb_1.csv", "korb_2.csv"}));
}

}  // namespace
