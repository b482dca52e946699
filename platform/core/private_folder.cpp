#include "platform/core/private_folder.h"

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

TPrivateFolder::TPrivateFolder(const AnsiString& prefix) {
  std::error_code failed;
  const std::filesystem::path temporary = std::filesystem::temp_directory_path(failed);
  if (failed) {
    error_ = failed.value();
    return;
  }
  AnsiString name = (temporary / (prefix + "-XXXXXX")).string();
  if (!::mkdtemp(name.data())) {
    error_ = errno;
    return;
  }
  path_ = name + "/";
}

TPrivateFolder::~TPrivateFolder() {
  std::error_code ignored;
  if (Ok()) std::filesystem::remove_all(path_, ignored);
}
