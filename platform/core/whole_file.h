// A file written whole or not at all: the one way every writer of the program replaces a file.
// The bytes go to a new file beside the target, in its folder so that the final rename stays
// on one file system; Commit flushes that file to disk and renames it over the target, with
// the target's permissions. Until Commit succeeds, and after any failure, the target keeps
// its old bytes, and an uncommitted file is removed, at the latest with the object.
// A target that exists and is no regular file (a device, a pipe) cannot be replaced by a
// rename: it is written in place. A link is followed to the file it names, also where that
// file does not exist yet (the link stays and gets its file). A file the user may not write
// is never replaced, though its folder would allow the rename: Commit refuses it with EACCES
// or EROFS (save_failure.h turns them into the user's message). A new file gets the permissions the umask leaves, a replaced one those of the
// file it replaces.
#pragma once

#include <cstdio>
#include <string_view>

#include "platform/core/text.h"

class TWholeFile {
 public:
  explicit TWholeFile(const AnsiString& fileName);
  ~TWholeFile();
  TWholeFile(const TWholeFile&) = delete;
  TWholeFile& operator=(const TWholeFile&) = delete;

  // False once anything failed; Error() is the errno of the first failure.
  bool Ok() const { return error_ == 0; }
  int Error() const { return error_; }

  // The file being written, for writers that open it by name (empty when none could be made);
  // its descriptor; and a buffered stream over it. All stay valid until Commit.
  const AnsiString& Name() const { return written_; }
  int Handle() const { return stream_ ? ::fileno(stream_) : -1; }
  FILE* Stream() const { return stream_; }

  // Appends to the file; false once a write failed.
  bool Write(std::string_view bytes);

  // The written file takes the target's place; false when it could not be written whole or
  // moved, and then the target is as it was. False too when the folder could not be synced
  // after the rename: the file is in place but might not outlive a crash.
  bool Commit();

 private:
  bool Finish();
  bool Synced();
  bool Fail(int error);
  void Discard();

  AnsiString target_;
  AnsiString written_;
  FILE* stream_ = nullptr;
  bool inPlace_ = false;
  bool committed_ = false;
  int error_ = 0;
};
