// A private print service for the tests: a cupsd of this test program alone, with its
// configuration, spool and output in a temporary folder, listening on a free loopback port,
// and told to the program (and to lpadmin, lpstat, ...) through CUPS_SERVER. Its queues write
// each job's file into the output folder, and beside it the job's title and options as the
// service handed them on, and its file of its own. Every wait is bounded.
#pragma once

#include <cups/cups.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/winapi/print_device.h"
#include "temp_folder.h"

extern char** environ;

class PrintService {
 public:
  // The running service, started at the first call; null, with the reason in Why(), where
  // cupsd is missing or does not start.
  static PrintService* Get() {
    static std::unique_ptr<PrintService> service(new PrintService);
    return service->pid_ > 0 ? service.get() : nullptr;
  }
  static std::string Why() { return Get() ? "" : why(); }

  ~PrintService() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    if (!Reaped(std::chrono::seconds(5))) {
      kill(pid_, SIGKILL);
      Reaped(std::chrono::seconds(5));
    }
  }

  // The printers a queue can be: "queue.ppd" takes US Letter (its own) and A4, with edges of
  // a quarter inch across and half an inch up and down, and three trays (Upper, Lower,
  // Manual; Upper its own); "office.ppd" takes US Letter (its own), A4, A5 and US Legal, with
  // edges of 12 points all round, and four trays (Upper, Lower, Manual, Envelope; Upper its
  // own). Both print at 300 and 600 dpi (600 their own).
  struct Paper {
    const char* name;
    const char* shown;
    int width, height;             // points
    int left, bottom, right, top;  // the printable area, points from the lower left corner
  };
  static std::vector<Paper> Papers(const std::string& ppd) {
    if (ppd == "office.ppd")
      return {{"Letter", "US Letter", 612, 792, 12, 12, 600, 780},
              {"A4", "A4", 595, 842, 12, 12, 583, 830},
              {"A5", "A5", 420, 595, 12, 12, 408, 583},
              {"Legal", "US Legal", 612, 1008, 12, 12, 600, 996}};
    return {{"Letter", "US Letter", 612, 792, 18, 36, 594, 756},
            {"A4", "A4", 595, 842, 18, 36, 577, 806}};
  }

  // Adds (or replaces) a queue writing <output>/<name>.pdf, as the PPD describes it.
  // A busy machine may keep the service from answering at once: a few tries.
  bool AddQueue(const std::string& name, const std::string& ppd = "queue.ppd") {
    for (int attempt = 0; attempt < 3; ++attempt) {
      if (Run("lpadmin -p " + name + " -E -v file://" + Output(name + ".pdf") + " -P " +
              folder_ / ppd))
        return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    return false;
  }
  // Stops the service (a print service gone while the program runs) and starts it again on
  // the same port with its queues; false when it does not come back.
  void Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    if (!Reaped(std::chrono::seconds(10))) {
      kill(pid_, SIGKILL);
      Reaped(std::chrono::seconds(5));
    }
  }
  bool Restart() {
    if (pid_ <= 0) Launch(port_);
    return pid_ > 0;
  }
  // Runs a command of the CUPS client against this service; false when it fails or hangs,
  // with what it said in Said().
  bool Run(const std::string& command) const {
    std::string said = folder_ / "said.txt";
    return std::system(("timeout 20 " + command + " >/dev/null 2>" + said).c_str()) == 0;
  }
  std::string Said() const { return Contents(folder_ / "said.txt"); }
  // What a command prints (stdout), within a bounded time.
  std::string Read(const std::string& command) const {
    std::string file = folder_ / "read.txt";
    std::system(("timeout 20 " + command + " >" + file + " 2>/dev/null").c_str());
    return Contents(file);
  }
  std::string Output(const std::string& name) const { return folder_ / ("out/" + name); }
  // The title, options and copies of the job of that number, as the queue was handed them.
  std::string JobTitle(int job) const { return Contents(JobFile(job, "title")); }
  std::string JobOptions(int job) const { return Contents(JobFile(job, "options")); }
  std::string JobCopies(int job) const { return Contents(JobFile(job, "copies")); }
  // The file of the job of that number as the queue was handed it.
  std::string JobPdf(int job) const { return JobFile(job, "pdf"); }
  // The number of the queue's newest completed job (lpstat -W completed), waiting for one up
  // to the time given; 0 when none completed.
  int CompletedJob(const std::string& queue,
                   std::chrono::seconds limit = std::chrono::seconds(20)) const {
    auto end = std::chrono::steady_clock::now() + limit;
    for (;; std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
      std::istringstream lines(Read("lpstat -W completed -o " + queue));
      int newest = 0;
      for (std::string id; lines >> id; lines.ignore(1 << 16, '\n'))
        if (id.starts_with(queue + "-"))
          newest = std::max(newest, std::atoi(id.c_str() + queue.size() + 1));
      if (newest > 0) return newest;
      if (std::chrono::steady_clock::now() >= end) return 0;
    }
    return 0;
  }

  static std::string Contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  PrintService() {
    if (access("/usr/sbin/cupsd", X_OK) != 0) {
      why() = "cupsd is not installed (tools/install-deps installs it)";
      return;
    }
    Prepare();
    for (int attempt = 0; attempt < 3 && pid_ <= 0; ++attempt) Launch(FreePort());
    if (pid_ <= 0) why() = "cupsd did not start: " + Contents(folder_ / "log/stderr");
  }

  static std::string& why() {
    static std::string text;
    return text;
  }

  // The service runs its filter as another user where it runs as root: the folders it reads
  // are open to all, the output folder writable by all.
  void Prepare() {
    for (const char* sub : {"spool", "spool/tmp", "state", "cache", "log", "out", "filter"})
      mkdir((folder_ / sub).c_str(), 0755);
    chmod(folder_.Path().c_str(), 0755);
    chmod(Output("").c_str(), 0777);
    Write(folder_ / "cups-files.conf",
          "ServerRoot " + folder_.Path() + "\nRequestRoot " + folder_ / "spool" +
              "\nTempDir " + folder_ / "spool/tmp" + "\nStateDir " + folder_ / "state" +
              "\nCacheDir " + folder_ / "cache" + "\nErrorLog " + folder_ / "log/error_log" +
              "\nAccessLog " + folder_ / "log/access_log" + "\nPageLog " +
              folder_ / "log/page_log" + "\nFileDevice Yes\n" + OwnUser());
    std::string filter = folder_ / "filter/passthrough";
    Write(filter, "#!/bin/sh\nprintf '%s' \"$3\" > \"" + Output("") + "job-$1.title\"\n" +
                      "printf '%s\\n' \"$5\" > \"" + Output("") + "job-$1.options\"\n" +
                      "printf '%s' \"$4\" > \"" + Output("") + "job-$1.copies\"\n" +
                      "if [ -n \"$6\" ]; then exec <\"$6\"; fi\n" +
                      "exec tee \"" + Output("") + "job-$1.pdf\"\n");
    chmod(filter.c_str(), 0755);
    Write(folder_ / "queue.ppd", Ppd(filter, Papers("queue.ppd"), {"Upper", "Lower", "Manual"}));
    Write(folder_ / "office.ppd",
          Ppd(filter, Papers("office.ppd"), {"Upper", "Lower", "Manual", "Envelope"}));
  }

  // As another user than root the service runs its filters as that user.
  static std::string OwnUser() {
    if (getuid() == 0) return "";
    const passwd* user = getpwuid(getuid());
    const group* own = getgrgid(getgid());
    if (!user || !own) return "";
    return "User " + std::string(user->pw_name) + "\nGroup " + own->gr_name + "\n";
  }

  void Launch(int port) {
    if (port <= 0) return;
    port_ = port;
    Write(folder_ / "cupsd.conf",
          "Listen 127.0.0.1:" + std::to_string(port) +
              "\nLogLevel warn\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
              "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
              "<Policy default>\n  <Limit All>\n    Order deny,allow\n    Allow all\n"
              "  </Limit>\n</Policy>\n");
    std::string conf = folder_ / "cupsd.conf", files = folder_ / "cups-files.conf";
    std::string err = folder_ / "log/stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const char* argv[] = {"/usr/sbin/cupsd", "-f",          "-c",   conf.c_str(),
                          "-s",              files.c_str(), nullptr};
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return;
    pid_ = pid;
    std::string server = "127.0.0.1:" + std::to_string(port);
    setenv("CUPS_SERVER", server.c_str(), 1);
    cupsSetServer(nullptr);  // a server name read before is forgotten
    for (auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
         std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
      if (Reaped(std::chrono::seconds(0))) break;
      // Another program's service on a port taken meanwhile would answer too: ours must
      // still run after it answered.
      // lpstat -r answers 0 also while nothing listens: what it says tells.
      if (Read("lpstat -r").starts_with("scheduler is running") && !Reaped(std::chrono::seconds(0)))
        return;
    }
    kill(pid_, SIGKILL);
    Reaped(std::chrono::seconds(5));
  }

  // True once the service has ended (and is reaped) within the time given.
  bool Reaped(std::chrono::seconds limit) {
    for (auto end = std::chrono::steady_clock::now() + limit;;
         std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
      if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
        pid_ = 0;
        return true;
      }
      if (std::chrono::steady_clock::now() >= end) return false;
    }
  }

  std::string JobFile(int job, const char* what) const {
    return Output("job-" + std::to_string(job) + "." + what);
  }

  static int FreePort() {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = 0;
    if (s >= 0 && bind(s, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) == 0)
      port = ntohs(address.sin_port);
    if (s >= 0) close(s);
    return port;
  }

  static void Write(const std::string& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
  }

  // A printer that takes PDF as it is, through the filter that records each job; its first
  // paper and tray are its own.
  static std::string Ppd(const std::string& filter, const std::vector<Paper>& papers,
                         const std::vector<std::string>& trays) {
    std::string ppd =
        "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
        "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n*PCFileName: \"TEST.PPD\"\n"
        "*Manufacturer: \"Test\"\n*Product: \"(Test)\"\n*ModelName: \"Test File Printer\"\n"
        "*ShortNickName: \"Test File Printer\"\n*NickName: \"Test File Printer\"\n"
        "*PSVersion: \"(3010.000) 0\"\n*LanguageLevel: \"3\"\n*ColorDevice: True\n"
        "*DefaultColorSpace: RGB\n*FileSystem: False\n*Throughput: \"1\"\n"
        "*LandscapeOrientation: Plus90\n*TTRasterizer: Type42\n*cupsVersion: 2.4\n"
        "*cupsManualCopies: False\n"
        "*cupsFilter: \"application/pdf 0 " +
        filter + "\"\n";
    auto size = [](const Paper& p) {
      return std::to_string(p.width) + " " + std::to_string(p.height);
    };
    for (const char* option : {"PageSize", "PageRegion"}) {
      ppd += "*OpenUI *" + std::string(option) + (option[4] == 'S' ? "/Media Size" : "") +
             ": PickOne\n*OrderDependency: 10 AnySetup *" + option + "\n*Default" + option + ": " +
             papers[0].name + "\n";
      for (const Paper& p : papers)
        ppd += "*" + std::string(option) + " " + p.name + "/" + p.shown + ": \"<</PageSize[" +
               size(p) + "]>>setpagedevice\"\n";
      ppd += "*CloseUI: *" + std::string(option) + "\n";
    }
    ppd += "*DefaultImageableArea: " + std::string(papers[0].name) + "\n";
    for (const Paper& p : papers)
      ppd += "*ImageableArea " + std::string(p.name) + "/" + p.shown + ": \"" +
             std::to_string(p.left) + " " + std::to_string(p.bottom) + " " +
             std::to_string(p.right) + " " + std::to_string(p.top) + "\"\n";
    ppd += "*DefaultPaperDimension: " + std::string(papers[0].name) + "\n";
    for (const Paper& p : papers)
      ppd += "*PaperDimension " + std::string(p.name) + "/" + p.shown + ": \"" + size(p) + "\"\n";
    ppd +=
        "*OpenUI *InputSlot/Media Source: PickOne\n*OrderDependency: 20 AnySetup *InputSlot\n"
        "*DefaultInputSlot: " +
        trays[0] + "\n";
    for (size_t i = 0; i < trays.size(); ++i)
      ppd += "*InputSlot " + trays[i] + "/" + trays[i] + " Tray: \"<</MediaPosition " +
             std::to_string(i) + ">>setpagedevice\"\n";
    return ppd +
           "*CloseUI: *InputSlot\n"
           "*OpenUI *Resolution/Resolution: PickOne\n*OrderDependency: 20 AnySetup *Resolution\n"
           "*DefaultResolution: 600dpi\n"
           "*Resolution 300dpi/300 DPI: \"<</HWResolution[300 300]>>setpagedevice\"\n"
           "*Resolution 600dpi/600 DPI: \"<</HWResolution[600 600]>>setpagedevice\"\n"
           "*CloseUI: *Resolution\n"
           "*DefaultFont: Courier\n*Font Courier: Standard \"(002.004S)\" Standard ROM\n";
  }

  TempFolder folder_;
  pid_t pid_ = 0;
  int port_ = 0;
};

// Tests on the queues of the private print service: skipped where it cannot start, and the
// program's printers emptied after each, so that no queue of one test reaches the next.
class PrintServiceTestBase : public testing::Test {
 protected:
  void SetUp() override {
    service_ = PrintService::Get();
    if (!service_) GTEST_SKIP() << PrintService::Why();
  }
  void TearDown() override { SetInstalledPrinters({}); }

  PrintService* service_ = nullptr;
};
