// The program's writers as another user: a query saved by the user, the cart and the general
// CSV file refuse a read-only file of someone else in the program's words and keep it; a
// dangling link gets its file and stays a link.
#include <sys/stat.h>

#include "ExportWindowTest.h"
#include "protected_file_writers.h"

namespace {

class ProtectedFileExports : public ExportWindow {
 protected:
  void SetUp() override {
    ExportWindow::SetUp();
    if (::geteuid() != 0) return;
    WriteDatabase(300, 40);
    ShowList();
    // The other user reads the cart query and the table's files where the test keeps them.
    ::chmod(dir.Path().c_str(), 0755);
  }
  // The messages of what `action` did, one a line.
  std::string Told(const std::function<void()>& action) {
    log.texts.clear();
    action();
    std::string told;
    for (const AnsiString& text : Messages()) told += (told.empty() ? "" : "\n") + text;
    return told;
  }
  std::vector<ProtectedFileWriter> Writers() {
    return {
        {"the query window's save", "abfrage.dba",
         [this](const std::string& path) {
           return Told([&] {
             log.Answer(AnsiString(path));
             query.btnSpeichernClick(nullptr);
           });
         }},
        {"the cart export", "korb.csv",
         [this](const std::string& path) { return Told([&] { ExportCart(path); }); }},
        {"the general CSV export", "alle.csv",
         [this](const std::string& path) {
           return Told([&] {
             log.Answer(AnsiString(path));
             form.btnCSVDateiClick(nullptr);
           });
         }},
    };
  }
};

TEST_F(ProtectedFileExports, AReadOnlyFileOfAnotherUserIsRefusedAndKept) {
  SKIP_WITHOUT_OTHER_USERS();
  ExpectReadOnlyFilesKept(Writers());
}

TEST_F(ProtectedFileExports, ADanglingLinkIsWrittenThrough) {
  SKIP_WITHOUT_OTHER_USERS();
  ExpectDanglingLinksWrittenThrough(Writers());
}

}  // namespace
