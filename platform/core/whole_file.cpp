#include "platform/core/whole_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/core/files.h"
#include "platform/core/rename_new.h"

namespace {

// The file a link points to, so that replacing it keeps the link.
AnsiString FinalTarget(const AnsiString& path) {
  char resolved[PATH_MAX];
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(path.c_str(), resolved))
    return resolved;
  return path;
}

mode_t ModeFor(const AnsiString& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool IsReplaceable(const AnsiString& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode);
}

// The rename itself must reach the disk too, or a crash could bring the old name back.
void SyncFolder(const AnsiString& folder) {
  int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  ::fsync(dir);
  ::close(dir);
}

}  // namespace

TWholeFile::TWholeFile(const AnsiString& fileName, const AnsiString& ending)
    : target_(FinalTarget(NativePath(fileName))) {
  int handle;
  if (IsReplaceable(target_)) {
    written_ = ExtractFilePath(target_) + "." + ExtractFileName(target_) + ".XXXXXX" + ending;
    handle = ::mkostemps(written_.data(), static_cast<int>(ending.size()), O_CLOEXEC);
  } else {
    inPlace_ = true;
    written_ = target_;
    handle = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
  }
  if (handle < 0) {
    written_.clear();
    Fail(errno);
    return;
  }
  stream_ = ::fdopen(handle, "wb");
  if (!stream_) {
    int error = errno;
    ::close(handle);
    Fail(error);
  }
}

TWholeFile::~TWholeFile() { Discard(); }

bool TWholeFile::Write(std::string_view bytes) {
  if (!Ok() || bytes.empty()) return Ok();
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) error_ = errno ? errno : EIO;
  return Ok();
}

// Everything written reaches the disk and the file is closed; a write that failed on the way
// (the stream keeps its error) fails the whole.
bool TWholeFile::Finish() {
  // Finished already by a CommitNew that could not take the name: the file is whole.
  if (!stream_ && !written_.empty()) {
    error_ = 0;
    return true;
  }
  if (!Ok()) return Fail(error_);
  errno = 0;
  if (std::fflush(stream_) != 0 || std::ferror(stream_)) return Fail(errno ? errno : EIO);
  const int handle = ::fileno(stream_);
  if (!inPlace_ && ::fchmod(handle, ModeFor(target_)) != 0) return Fail(errno);
  // A device or a pipe written in place may not take a sync.
  if (::fsync(handle) != 0 && !(inPlace_ && (errno == EINVAL || errno == EROFS))) return Fail(errno);
  FILE* stream = stream_;
  stream_ = nullptr;
  if (std::fclose(stream) != 0) return Fail(errno);
  return true;
}

bool TWholeFile::Commit() {
  if (!Finish()) return false;
  if (!inPlace_ && ::rename(written_.c_str(), target_.c_str()) != 0) return Fail(errno);
  committed_ = true;
  if (!inPlace_) SyncFolder(ExtractFilePath(target_));
  return true;
}

bool TWholeFile::CommitNew() {
  if (inPlace_) return Fail(EEXIST);
  if (!Finish()) return false;
  if (int error = RenameNew(written_, target_)) {
    error_ = error;
    return false;
  }
  committed_ = true;
  SyncFolder(ExtractFilePath(target_));
  return true;
}

bool TWholeFile::Fail(int error) {
  if (error_ == 0) error_ = error ? error : EIO;
  Discard();
  return false;
}

void TWholeFile::Discard() {
  if (stream_) std::fclose(stream_);
  stream_ = nullptr;
  if (!committed_ && !inPlace_ && !written_.empty()) ::unlink(written_.c_str());
  written_.clear();
}
