// Lock files are written whole under a name of their own and then linked in under the lock's
// name, which fails when the name is taken; a stale lock is replaced by renaming the own
// file over it. Both are single operations of the file system.
#include "engine/DbaseLockFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "engine/DbaseFile.h"
#include "engine/DbaseLockGuard.h"
#include "engine/DbaseLockLitter.h"
#include "engine/DbaseRunningCopy.h"
#include "engine/DbaseValues.h"
#include "platform/core/c_handle.h"

namespace {

// A name beside the lock file that no other copy, on this machine or another, chooses, and
// that tells which copy wrote it.
std::string TemporaryName(const std::string& path) {
  static std::mt19937_64 random{std::random_device{}()};
  return path + "." + std::to_string(random()) + "." + DbaseCopyInFileName(DbaseThisCopy()) +
         kDbaseLockNewEnding;
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

// A network file system may answer a link it made with an error, when its reply was lost
// and the request repeated: the link count of the own file tells.
bool LinkedAnyway(const std::string& temporary) {
  struct stat info {};
  return ::stat(temporary.c_str(), &info) == 0 && info.st_nlink == 2;
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

std::string DbaseLockFolder(const std::string& lockPath) {
  const std::size_t slash = lockPath.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : lockPath.substr(0, slash);
}

DbaseOwnLockFile::DbaseOwnLockFile(const std::string& path, const DbaseLockHolder& holder)
    : path_(path), bytes_(Encoded(holder)) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    std::string name = TemporaryName(path);
    if (WriteNew(name, bytes_)) {
      temporary_ = name;
      return;
    }
    error_ = errno;
    if (error_ != EEXIST) return;
  }
}

DbaseOwnLockFile::~DbaseOwnLockFile() { Forget(); }

void DbaseOwnLockFile::Forget() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

DbaseLockCreate DbaseOwnLockFile::LinkIn() {
  if (::link(temporary_.c_str(), path_.c_str()) == 0) {
    Forget();
    return DbaseLockCreate::Created;
  }
  error_ = errno;
  if (error_ == EEXIST && LinkedAnyway(temporary_)) {
    Forget();
    return DbaseLockCreate::Created;
  }
  if (error_ == EEXIST) return DbaseLockCreate::Exists;
  if (!NoHardLinks(error_)) return DbaseLockCreate::Failed;
  DbaseLockGuard guard(path_);
  if (WriteNew(path_, bytes_)) return DbaseLockCreate::Created;
  error_ = errno;
  return error_ == EEXIST ? DbaseLockCreate::Exists : DbaseLockCreate::Failed;
}

bool DbaseOwnLockFile::Replace() {
  if (::rename(temporary_.c_str(), path_.c_str()) != 0) {
    error_ = errno;
    return false;
  }
  temporary_.clear();
  return true;
}
