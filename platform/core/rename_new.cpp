#include "platform/core/rename_new.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// A network file system may answer a link it made with EEXIST, when its reply was lost and the
// request repeated: the link count of the linked file tells.
bool LinkedAnyway(const AnsiString& from) {
  struct stat st;
  return ::lstat(from.c_str(), &st) == 0 && st.st_nlink == 2;
}

}  // namespace

int RenameNew(const AnsiString& from, const AnsiString& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  if (::link(from.c_str(), to.c_str()) != 0 && !(errno == EEXIST && LinkedAnyway(from)))
    return errno;
  ::unlink(from.c_str());
  return 0;
}
