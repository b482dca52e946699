// A job's pages on their way to a queue pass through a file of the job's own: a pipe or a link
// that another user put at a fixed name in the temporary folder takes nothing and stops
// nothing, and two copies printing at once each print their own pages.
#include <cups/cups.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <memory>
#include <set>

#include "../full_disk_writers.h"
#include "pdf_text.h"
#include "platform/winapi/printer.h"
#include "print_service.h"

namespace {

class PrintJobFiles : public PrintServiceTestBase {
 protected:
  void SetUp() override {
    PrintServiceTestBase::SetUp();
    if (!service_) return;
    // Only once the service runs: its own folders must not lie in the test's.
    tmpdir = std::make_unique<EnvironmentScope>("TMPDIR", temporary.Path());
    ASSERT_TRUE(service_->AddQueue("Eigen")) << service_->Said();
    ReadInstalledPrinters();
    Printer()->SetPrinterIndex(Printer()->GetPrinters()->IndexOf("Eigen"));
  }
  // One page with the text; false when the job failed.
  static bool Print(const std::string& text) {
    try {
      Printer()->BeginDoc();
      Printer()->Canvas->TextOut(200, 200, text);
      Printer()->EndDoc();
    } catch (const EPrinter&) {
      return false;
    }
    return true;
  }
  // The text of the newest job the queue completed after the one given.
  std::string NextJobText(int after) {
    for (int attempt = 0; attempt < 200; ++attempt) {
      int job = service_->CompletedJob("Eigen");
      if (job > after) return PdfText(service_->JobPdf(job));
      usleep(100 * 1000);
    }
    return "";
  }

  TempFolder temporary;
  std::unique_ptr<EnvironmentScope> tmpdir;
  std::string oldName = temporary / "kalvento-print.pdf";
};

TEST_F(PrintJobFiles, APipeOrALinkAtTheOldNameTakesNothing) {
  ASSERT_EQ(::mkfifo(oldName.c_str(), 0666), 0);
  // Held open for reading, so that a job writing into it would not hang the test.
  const int pipe = ::open(oldName.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(pipe, 0);
  const int before = service_->CompletedJob("Eigen", std::chrono::seconds(0));
  ASSERT_TRUE(Print("Seite neben der Pipe"));
  EXPECT_NE(NextJobText(before).find("Seite neben der Pipe"), std::string::npos);
  char byte;
  EXPECT_LE(::read(pipe, &byte, 1), 0);
  ::close(pipe);
  EXPECT_EQ(FolderNames(temporary.Path()), std::set<std::string>{"kalvento-print.pdf"});

  std::filesystem::remove(oldName);
  TempFolder elsewhere;
  std::filesystem::create_symlink(elsewhere / "umgeleitet.pdf", oldName);
  const int second = service_->CompletedJob("Eigen", std::chrono::seconds(0));
  ASSERT_TRUE(Print("Seite neben dem Link"));
  EXPECT_NE(NextJobText(second).find("Seite neben dem Link"), std::string::npos);
  EXPECT_TRUE(FolderNames(elsewhere.Path()).empty());
}

// Both copies hold their jobs open at once before either ends them.
TEST_F(PrintJobFiles, TwoCopiesPrintingAtOnceEachPrintTheirOwnPages) {
  int ready[2], go[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(go), 0);
  const int before = service_->CompletedJob("Eigen", std::chrono::seconds(0));
  std::vector<pid_t> copies;
  for (const char* list : {"Liste der ersten Kopie", "Liste der zweiten Kopie"}) {
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(go[1]);
      cupsSetServer(nullptr);  // a connection of its own to the service
      bool printed = false;
      try {
        Printer()->BeginDoc();
        Printer()->Canvas->TextOut(200, 200, list);
        char byte = 1;
        ::write(ready[1], &byte, 1);
        ::read(go[0], &byte, 1);
        Printer()->EndDoc();
        printed = true;
      } catch (const EPrinter&) {
      }
      ::_exit(printed ? 0 : 1);
    }
    copies.push_back(child);
  }
  char byte;
  for (int i = 0; i < 2; ++i) ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  ::close(go[1]);
  for (pid_t child : copies) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  ::close(go[0]);
  ::close(ready[0]);
  ::close(ready[1]);
  // Only these two jobs ran meanwhile: they are the newest two, whichever came first.
  std::multiset<std::string> lists;
  for (int attempt = 0; attempt < 200 && lists.size() < 2; ++attempt, usleep(100 * 1000)) {
    lists.clear();
    const int newest = service_->CompletedJob("Eigen", std::chrono::seconds(0));
    if (newest <= before) continue;
    for (int job : {newest - 1, newest}) {
      const std::string text = PdfText(service_->JobPdf(job));
      for (const char* list : {"Liste der ersten Kopie", "Liste der zweiten Kopie"})
        if (text.find(list) != std::string::npos) lists.insert(list);
    }
  }
  EXPECT_EQ(lists, (std::multiset<std::string>{"Liste der ersten Kopie", "Liste der zweiten Kopie"}));
}

}  // namespace
