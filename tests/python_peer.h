// Programs no one here wrote, reading what the program writes and writing what it reads: short
// Python scripts run as processes of their own. A test that needs a Python module skips, naming
// the Debian package that brings it, when the module is missing.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

struct PythonRun {
  int status = -1;  // the script's exit code; -1 when it did not end normally
  std::string out;  // what it wrote to its standard output
};

inline std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char ch : text) quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return quoted + "'";
}

// Runs the Debian archive's `/usr/bin/python3 -c Script Args...` (the packages below install
// their modules for it); the script's errors go to the test's error output.
inline PythonRun RunPython(const std::string& Script, const std::vector<std::string>& Args = {}) {
  std::string command = "/usr/bin/python3 -c " + ShellQuoted(Script);
  for (const std::string& arg : Args) command += " " + ShellQuoted(arg);
  PythonRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
    run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

inline bool PythonHas(const std::string& Module) {
  return RunPython("import " + Module).status == 0;
}

// Skips the test when Python or its module is missing, naming the Debian package to install.
#define REQUIRE_PYTHON_MODULE(module, package)                                  \
  do {                                                                          \
    if (!PythonHas(module))                                                     \
      GTEST_SKIP() << "needs Python's " module " (Debian package " package ")"; \
  } while (0)
