#include "components/grid/formats/ChildProcess.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace {

bool WriteAll(int Handle, const std::string& Bytes) {
  for (std::size_t done = 0; done < Bytes.size();) {
    const ssize_t n = ::write(Handle, Bytes.data() + done, Bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::string ReadAll(int Handle) {
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(Handle, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace

std::optional<std::string> RunInChildProcess(const std::function<std::string()>& Work) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    return std::nullopt;
  }
  if (child == 0) {
    // _exit: the parent's exit handlers and buffers are not the child's to run.
    ::close(pipeEnds[0]);
    int code = 1;
    try {
      code = WriteAll(pipeEnds[1], Work()) ? 0 : 1;
    } catch (...) {
    }
    ::_exit(code);
  }
  ::close(pipeEnds[1]);
  std::string bytes = ReadAll(pipeEnds[0]);
  ::close(pipeEnds[0]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return bytes;
}
