#include "components/grid/formats/OfficeConverter.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "components/grid/formats/ScratchFolder.h"
#include "platform/core/exception.h"

extern char** environ;

std::string OfficeConverterProgram() {
  const char* path = std::getenv("PATH");
  if (!path) return "";
  const std::string folders = path;
  for (const char* name : {"soffice", "libreoffice"}) {
    std::size_t start = 0;
    while (start <= folders.size()) {
      const auto end = std::min(folders.find(':', start), folders.size());
      const std::string candidate = folders.substr(start, end - start) + "/" + name;
      if (end > start && access(candidate.c_str(), X_OK) == 0) return candidate;
      start = end + 1;
    }
  }
  return "";
}

void ConvertOfficeFile(const std::string& Source, const std::string& Extension,
                       const std::string& Target) {
  const std::string program = OfficeConverterProgram();
  if (program.empty()) throw Exception("No office suite converts " + Source);
  ScratchFolder out;
  // A profile of its own keeps the run apart from a suite the user has open.
  const std::string profile = "-env:UserInstallation=file://" + out.Path() + "/profile";
  std::vector<std::string> args = {program,   profile,    "--headless", "--convert-to",
                                   Extension, "--outdir", out.Path(),   Source};
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  int status = 0;
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
    throw Exception("The office suite could not convert " + Source);
  pid_t waited;
  while ((waited = waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
  }
  if (waited != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw Exception("The office suite could not convert " + Source);
  const std::string result =
      out / (std::filesystem::path(Source).stem().string() + "." + Extension);
  if (!std::filesystem::exists(result))
    throw Exception("The office suite could not convert " + Source);
  PlaceFile(result, Target);
}
