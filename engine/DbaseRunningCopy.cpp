// A running copy named by host, process id and the process's start time.
#include "engine/DbaseRunningCopy.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <string>

namespace {

AnsiString HostName() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return "?";
  return name;
}

// Field 22 of /proc/<pid>/stat; the process name before it is in parentheses and may hold
// spaces, so the fields are counted from its closing one.
AnsiString StartOf(long pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return "";
  std::size_t close = line.rfind(')');
  if (close == std::string::npos) return "";
  std::istringstream fields(line.substr(close + 1));
  std::string field;
  for (int n = 3; n <= 22 && fields >> field; ++n)
    if (n == 22) return field;
  return "";
}

struct NamedCopy {
  std::string host;
  long pid = 0;
  std::string start;
};

bool Parse(const AnsiString& kopie, NamedCopy& copy) {
  std::istringstream parts(kopie);
  return static_cast<bool>(parts >> copy.host >> copy.pid >> copy.start) && copy.pid > 0;
}

bool AllDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

AnsiString DbaseThisCopy() {
  const long pid = static_cast<long>(::getpid());
  AnsiString start = StartOf(pid);
  return HostName() + " " + std::to_string(pid) + " " + (start.empty() ? "0" : start);
}

bool DbaseCopyMayRun(const AnsiString& kopie) {
  NamedCopy copy;
  if (!Parse(kopie, copy) || copy.host != HostName()) return true;
  if (::kill(static_cast<pid_t>(copy.pid), 0) != 0 && errno == ESRCH) return false;
  // The id runs; it is another process when its start time differs from the lock's.
  AnsiString start = StartOf(copy.pid);
  return copy.start == "0" || start.empty() || start == copy.start;
}

AnsiString DbaseCopyInFileName(const AnsiString& kopie) {
  NamedCopy copy;
  if (!Parse(kopie, copy)) return "";
  return std::to_string(copy.pid) + "." + copy.start + "@" + copy.host;
}

// A host name holds no "@", the part before it may: the copy is read from the end.
AnsiString DbaseCopyOfFileName(const AnsiString& name) {
  const std::size_t at = name.rfind('@');
  if (at == AnsiString::npos || at == 0) return "";
  const std::size_t startDot = name.rfind('.', at - 1);
  if (startDot == AnsiString::npos || startDot == 0) return "";
  const std::size_t pidDot = name.rfind('.', startDot - 1);
  const std::size_t pidFrom = pidDot == AnsiString::npos ? 0 : pidDot + 1;
  const std::string pid = name.substr(pidFrom, startDot - pidFrom);
  const std::string start = name.substr(startDot + 1, at - startDot - 1);
  const std::string host = name.substr(at + 1);
  if (!AllDigits(pid) || !AllDigits(start) || host.empty()) return "";
  return host + " " + pid + " " + start;
}
