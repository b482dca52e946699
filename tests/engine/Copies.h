// Running copies of the program, as forked processes that all start at the same moment: a
// pipe holds them back until the test closes it.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <vector>

// Runs copy(k) for k = 0 .. count - 1, each in a process of its own, and gives back their
// exit codes: copy's result, or -1 for a copy that did not end normally.
inline std::vector<int> RunCopiesAtOnce(int count, const std::function<int(int)>& copy) {
  int start[2];
  if (pipe(start) != 0) return std::vector<int>(count, -1);
  std::vector<pid_t> copies;
  for (int k = 0; k < count; ++k) {
    pid_t pid = fork();
    if (pid == 0) {
      close(start[1]);
      char go;
      _exit(read(start[0], &go, 1) < 0 ? 127 : copy(k));
    }
    copies.push_back(pid);
  }
  close(start[0]);
  close(start[1]);  // every copy starts now
  std::vector<int> codes;
  for (pid_t pid : copies) {
    int status = 0;
    waitpid(pid, &status, 0);
    codes.push_back(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  }
  return codes;
}
