#include "components/grid/formats/ScratchFolder.h"

#include <cstdlib>
#include <filesystem>

#include "platform/core/exception.h"
#include "platform/core/file_bytes.h"

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
  std::string bytes;
  if (!ReadFileBytes(From, bytes) || !WriteFileBytes(Target, bytes))
    throw Exception("Cannot create file " + Target);
}
