#include "engine/DbaseTemporaryLocks.h"

#include <dirent.h>
#include <unistd.h>

#include <cstring>

#include "engine/DbaseRunningCopy.h"
#include "platform/core/c_handle.h"
#include "platform/core/files.h"

namespace {

inline void CloseFolder(DIR* folder) { ::closedir(folder); }

// A temporary lock file whose copy has ended: nothing will rename it into place or remove it.
bool IsStaleTemporary(const std::string& name) {
  if (!name.ends_with(kDbaseLockNewEnding)) return false;
  const AnsiString kopie =
      DbaseCopyOfFileName(name.substr(0, name.size() - std::strlen(kDbaseLockNewEnding)));
  return !kopie.empty() && !DbaseCopyMayRun(kopie);
}

}  // namespace

void DbaseRemoveStaleTemporaryLocks(const std::string& lockPath) {
  const std::string folder = ExtractFilePath(lockPath);  // with its separator, or empty
  CHandle<DIR, CloseFolder> entries(::opendir(folder.empty() ? "." : folder.c_str()));
  if (!entries) return;
  while (const dirent* entry = ::readdir(entries.get()))
    if (IsStaleTemporary(entry->d_name)) ::unlink((folder + entry->d_name).c_str());
}
