// Lock files are written whole under a name of their own and then linked in under the lock's
// name, which fails when the name is taken; a lock is replaced by moving it aside first, which
// only one copy can do. Both are single operations of the file system.
#include "engine/DbaseLockFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "engine/DbaseFile.h"
#include "engine/DbaseValues.h"
#include "platform/core/c_handle.h"

namespace {

// A name beside the lock file that no other copy, on this machine or another, chooses.
std::string OwnName(const std::string& path, const char* kind) {
  static std::mt19937_64 random{std::random_device{}()};
  return path + "." + std::to_string(::getpid()) + "-" + std::to_string(random()) + kind;
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

// A new file holding the bytes; false (and no file) when it cannot be written.
bool WriteNew(const std::string& name, const std::string& bytes) {
  int handle = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (handle < 0) return false;
  bool written = DbaseWriteAt(handle, 0, bytes.data(), bytes.size());
  written = ::close(handle) == 0 && written;
  if (!written) ::unlink(name.c_str());
  return written;
}

// The bytes in a file under a name of this copy's own; empty when it cannot be written.
std::string WriteAside(const std::string& path, const std::string& bytes) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    std::string name = OwnName(path, ".neu");
    if (WriteNew(name, bytes)) return name;
    if (errno != EEXIST) break;
  }
  return {};
}

bool NoHardLinks(int error) {
  return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS;
}

}  // namespace

DbaseLockCreate DbaseCreateLock(const std::string& path, const DbaseLockHolder& holder) {
  std::string bytes = Encoded(holder);
  std::string aside = WriteAside(path, bytes);
  if (aside.empty()) return DbaseLockCreate::Failed;
  int linked = ::link(aside.c_str(), path.c_str());
  int error = errno;
  ::unlink(aside.c_str());
  if (linked == 0) return DbaseLockCreate::Created;
  if (error == EEXIST) return DbaseLockCreate::Exists;
  if (!NoHardLinks(error)) return DbaseLockCreate::Failed;
  // Without hard links the file is still created exclusively, its bytes follow at once.
  if (WriteNew(path, bytes)) return DbaseLockCreate::Created;
  return errno == EEXIST ? DbaseLockCreate::Exists : DbaseLockCreate::Failed;
}

bool DbaseReadLock(const std::string& path, DbaseLockHolder& holder) {
  FilePtr stream(std::fopen(path.c_str(), "rb"));
  if (!stream) return false;
  holder.bediener = dbase_ansilesen(stream.get());
  holder.datum = dbase_ansilesen(stream.get());
  holder.kopie = dbase_ansilesen(stream.get());
  return true;
}

DbaseLockMove DbaseMoveLockAside(const std::string& path, std::string& moved) {
  moved = OwnName(path, ".alt");
  if (::rename(path.c_str(), moved.c_str()) == 0) return DbaseLockMove::Moved;
  return errno == ENOENT ? DbaseLockMove::Gone : DbaseLockMove::Failed;
}

void DbasePutLockBack(const std::string& moved, const std::string& path) {
  // A copy that found the name free in the meantime holds the record now; its lock stands.
  if (::link(moved.c_str(), path.c_str()) != 0 && NoHardLinks(errno) &&
      ::access(path.c_str(), F_OK) != 0 && ::rename(moved.c_str(), path.c_str()) == 0)
    return;
  ::unlink(moved.c_str());
}
