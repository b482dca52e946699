// Lock files are written whole under a name of their own and then take the lock's name only
// where no file has it; a stale lock is replaced by renaming the own file over it. Both are
// single operations of the file system.
#include "engine/DbaseLockFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "engine/DbaseFile.h"
#include "engine/DbaseLockGuard.h"
#include "engine/DbaseLockLitter.h"
#include "engine/DbaseRunningCopy.h"
#include "engine/DbaseValues.h"
#include "platform/core/c_handle.h"

namespace {

// The temporary file's name tells which copy wrote it, so that the leftovers of a killed copy
// can be recognised and removed.
AnsiString TemporaryEnding(const DbaseLockHolder& holder) {
  return "." + DbaseCopyInFileName(holder.kopie) + kDbaseLockNewEnding;
}

std::string Encoded(const DbaseLockHolder& holder) {
  char* data = nullptr;
  std::size_t size = 0;
  FilePtr stream(::open_memstream(&data, &size));
  if (!stream) return {};
  dbase_ansischreiben(holder.bediener, stream.get());
  dbase_ansischreiben(holder.datum, stream.get());
  dbase_ansischreiben(holder.kopie, stream.get());
  // The buffer is complete only once the stream is closed, and is the caller's to free.
  stream.reset();
  const CHandle<char, std::free> buffer(data);
  return std::string(data, size);
}

// A new file holding the bytes; false (errno set, and no file) when it cannot be written.
bool WriteNew(const std::string& name, const std::string& bytes) {
  int handle = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (handle < 0) return false;
  const bool written = DbaseWriteAt(handle, 0, bytes.data(), bytes.size());
  int error = errno;
  // A file system that allocates late reports a full disk only at the close.
  const bool closed = ::close(handle) == 0;
  if (written && !closed) error = errno;
  if (written && closed) return true;
  ::unlink(name.c_str());
  errno = error;
  return false;
}

bool NoHardLinks(int error) {
  return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS;
}

}  // namespace

DbaseLockRead DbaseReadLock(const std::string& path, DbaseLockHolder& holder) {
  FilePtr stream(std::fopen(path.c_str(), "rb"));
  if (!stream) return errno == ENOENT ? DbaseLockRead::Absent : DbaseLockRead::Unreadable;
  holder.bediener = dbase_ansilesen(stream.get());
  holder.datum = dbase_ansilesen(stream.get());
  holder.kopie = dbase_ansilesen(stream.get());
  return DbaseLockRead::Read;
}

DbaseOwnLockFile::DbaseOwnLockFile(const std::string& path, const DbaseLockHolder& holder)
    : path_(path), bytes_(Encoded(holder)), file_(path, TemporaryEnding(holder)) {
  file_.Write(bytes_);
}

DbaseLockCreate DbaseOwnLockFile::LinkIn() {
  if (file_.CommitNew()) return DbaseLockCreate::Created;
  if (file_.Error() == EEXIST) return DbaseLockCreate::Exists;
  if (!NoHardLinks(file_.Error())) return DbaseLockCreate::Failed;
  // Without hard links the lock is created exclusively and written at once, under the
  // folder's guard so that no guarded reader sees it half written.
  DbaseLockGuard guard(path_);
  if (WriteNew(path_, bytes_)) return DbaseLockCreate::Created;
  fallbackError_ = errno;
  return fallbackError_ == EEXIST ? DbaseLockCreate::Exists : DbaseLockCreate::Failed;
}

bool DbaseOwnLockFile::Replace() { return file_.Commit(); }
