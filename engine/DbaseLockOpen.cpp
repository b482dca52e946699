#include "engine/DbaseLockOpen.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/DbaseFile.h"

namespace {

// What open itself answers for a link (O_NOFOLLOW), for a folder opened to write and for a
// socket or a device without a driver.
bool IsNotAFileError(int error) { return error == ELOOP || error == EISDIR || error == ENXIO; }

}  // namespace

int DbaseOpenInLockFolder(const std::string& path, int flags, mode_t mode, int& error) {
  const int handle = ::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, mode);
  if (handle < 0) {
    error = IsNotAFileError(errno) ? kDbaseNotAFile : errno;
    return -1;
  }
  struct stat st;
  const bool stated = ::fstat(handle, &st) == 0;
  if (!stated || !S_ISREG(st.st_mode)) {
    error = stated ? kDbaseNotAFile : errno;
    ::close(handle);
    return -1;
  }
  return handle;
}

AnsiString DbaseLockFolderReason(int error) {
  switch (error) {
    case kDbaseNotAFile: return "keine gew\xF6hnliche Datei - bitte entfernen";
    case EWOULDBLOCK: return "Sperrordner belegt";
    case EFBIG: return "Sperrdatei besch\xE4""digt - bitte entfernen";
  }
  const AnsiString text = DbaseErrorText(error);
  return text.empty() ? "nicht schreibbar" : text;
}
