#include "engine/DbaseLockLitter.h"

#include <dirent.h>
#include <unistd.h>

#include <cstring>

#include "engine/DbaseLockFile.h"
#include "engine/DbaseRunningCopy.h"
#include "platform/core/c_handle.h"

namespace {

inline void CloseFolder(DIR* folder) { ::closedir(folder); }

bool EndsWith(const std::string& text, const char* ending) {
  const std::size_t length = std::strlen(ending);
  return text.size() > length && text.compare(text.size() - length, length, ending) == 0;
}

// The copy a temporary lock file names has ended: nothing will link it in or remove it.
bool Left(const std::string& name) {
  if (!EndsWith(name, kDbaseLockNewEnding)) return false;
  const AnsiString kopie =
      DbaseCopyOfFileName(name.substr(0, name.size() - std::strlen(kDbaseLockNewEnding)));
  return !kopie.empty() && !DbaseCopyMayRun(kopie);
}

}  // namespace

void DbaseRemoveLockLitter(const std::string& lockPath) {
  const std::string folder = DbaseLockFolder(lockPath);
  CHandle<DIR, CloseFolder> entries(::opendir(folder.c_str()));
  if (!entries) return;
  while (const dirent* entry = ::readdir(entries.get()))
    if (Left(entry->d_name)) ::unlink((folder + "/" + entry->d_name).c_str());
}
