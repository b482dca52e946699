#include "components/grid/formats/ScratchFolder.h"

#include <cstdlib>
#include <filesystem>

#include "platform/core/exception.h"

ScratchFolder::ScratchFolder() {
  std::error_code ec;
  std::string pattern = (std::filesystem::temp_directory_path(ec) / "exchange-XXXXXX").string();
  if (ec || !mkdtemp(pattern.data())) throw Exception("Cannot create a temporary folder");
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void PlaceFile(const std::string& From, const std::string& Target) {
  std::error_code ec;
  std::filesystem::rename(From, Target, ec);
  if (!ec) return;
  // Another file system: copy, then the scratch copy goes with the folder.
  ec.clear();
  std::filesystem::copy_file(From, Target, std::filesystem::copy_options::overwrite_existing, ec);
  if (ec) throw Exception("Cannot create file " + Target);
}
