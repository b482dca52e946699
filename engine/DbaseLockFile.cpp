// Lock files are written whole under a name of their own and then take the lock's name only
// where nothing has it; a stale lock is replaced by renaming the own file over it. Both are
// single operations on the names, which never follow a link at the lock's name.
#include "engine/DbaseLockFile.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "engine/DbaseFile.h"
#include "engine/DbaseLockGuard.h"
#include "engine/DbaseTemporaryLocks.h"
#include "engine/DbaseLockOpen.h"
#include "engine/DbaseRunningCopy.h"
#include "engine/DbaseValues.h"
#include "platform/core/c_handle.h"
#include "platform/core/files.h"
#include "platform/core/rename_new.h"

namespace {

// Readable by every user of the folder, so that none takes another's lock for absent.
constexpr mode_t kLockMode = 0644;

// The temporary file's name tells which copy wrote it, so that the leftovers of a killed copy
// can be recognised and removed.
std::string TemporaryPattern(const std::string& path, const DbaseLockHolder& holder) {
  return ExtractFilePath(path) + "." + ExtractFileName(path) + ".XXXXXX." +
         DbaseCopyInFileName(holder.kopie) + kDbaseLockNewEnding;
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

// Writes the bytes to the new file and closes it: 0, or the errno. No sync: a lock does not
// outlive the copy that holds it, so one that a crash of the machine loses protects nothing.
int WriteAndClose(int handle, const std::string& bytes) {
  int error = 0;
  if (::fchmod(handle, kLockMode) != 0 || !DbaseWriteAt(handle, 0, bytes.data(), bytes.size()))
    error = errno ? errno : EIO;
  // A file system that allocates late reports a full disk only at the close.
  if (::close(handle) != 0 && error == 0) error = errno;
  return error;
}

// A new file holding the bytes: 0, or the errno (and no file).
int WriteNew(const std::string& name, const std::string& bytes) {
  int error = 0;
  const int handle = DbaseOpenInLockFolder(name, O_WRONLY | O_CREAT | O_EXCL, kLockMode, error);
  if (handle < 0) return error;
  if ((error = WriteAndClose(handle, bytes)) != 0) ::unlink(name.c_str());
  return error;
}

bool NoHardLinks(int error) {
  return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS;
}

// Reads what the handle holds, up to the size of any lock; false with `error` set otherwise.
bool ReadSmall(int handle, std::string& bytes, int& error) {
  bytes.resize(kDbaseLockMaxSize + 1);
  const std::size_t got = DbaseReadAt(handle, 0, bytes.data(), bytes.size(), &error);
  if (error == 0 && got > static_cast<std::size_t>(kDbaseLockMaxSize)) error = EFBIG;
  bytes.resize(got);
  return error == 0;
}

void Decode(const std::string& bytes, DbaseLockHolder& holder) {
  if (bytes.empty()) return;
  FilePtr stream(::fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb"));
  if (!stream) return;
  holder.bediener = dbase_ansilesen(stream.get());
  holder.datum = dbase_ansilesen(stream.get());
  holder.kopie = dbase_ansilesen(stream.get());
}

}  // namespace

DbaseLockRead DbaseReadLock(const std::string& path, DbaseLockHolder& holder, int* error) {
  int why = 0;
  const int handle = DbaseOpenInLockFolder(path, O_RDONLY, 0, why);
  std::string bytes;
  if (handle >= 0) {
    ReadSmall(handle, bytes, why);
    ::close(handle);
  }
  if (error) *error = why;
  if (why == ENOENT) return DbaseLockRead::Absent;
  if (why != 0) return DbaseLockRead::Unreadable;
  Decode(bytes, holder);
  return DbaseLockRead::Read;
}

DbaseOwnLockFile::DbaseOwnLockFile(const std::string& path, const DbaseLockHolder& holder)
    : path_(path), bytes_(Encoded(holder)), temporary_(TemporaryPattern(path, holder)) {
  const int ending = static_cast<int>(temporary_.size() - temporary_.rfind(".XXXXXX") - 7);
  const int handle = ::mkostemps(temporary_.data(), ending, O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (handle < 0) {
    error_ = errno;
    temporary_.clear();  // names no file of this copy's
    return;
  }
  if (const int error = WriteAndClose(handle, bytes_)) Fail(error);
  written_ = error_ == 0;
}

DbaseOwnLockFile::~DbaseOwnLockFile() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

DbaseLockCreate DbaseOwnLockFile::LinkIn() {
  if (temporary_.empty()) return DbaseLockCreate::Failed;
  error_ = RenameNew(temporary_, path_);
  if (error_ == 0) {
    temporary_.clear();
    return DbaseLockCreate::Created;
  }
  if (error_ == EEXIST) return DbaseLockCreate::Exists;
  if (!NoHardLinks(error_)) return DbaseLockCreate::Failed;
  // Without hard links the lock is created exclusively and written at once, under the
  // folder's guard so that no guarded reader sees it half written.
  DbaseLockGuard guard(path_);
  error_ = guard.Held() ? WriteNew(path_, bytes_) : guard.Error();
  if (error_ == 0) return DbaseLockCreate::Created;
  return error_ == EEXIST ? DbaseLockCreate::Exists : DbaseLockCreate::Failed;
}

bool DbaseOwnLockFile::Replace() {
  if (temporary_.empty()) return false;
  if (::rename(temporary_.c_str(), path_.c_str()) != 0) return Fail(errno);
  temporary_.clear();
  return true;
}

bool DbaseOwnLockFile::Fail(int error) {
  error_ = error ? error : EIO;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
  return false;
}
