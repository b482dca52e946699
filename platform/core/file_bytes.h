// Whole files as bytes: reading them, and replacing them so that a failed or interrupted
// write never leaves a half-written file behind. Names may use "/" or "\\".
#pragma once

#include <cstdint>
#include <string>

#include "platform/core/text.h"

bool ReadFileBytes(const AnsiString& fileName, std::string& bytes);
// Writes a temporary file beside the target, flushes it to disk and renames it over the
// target, keeping the target's permissions. A link is followed to the file it names.
bool WriteFileBytes(const AnsiString& fileName, const std::string& bytes);
// The same for a writer of its own: a new empty file beside the target, its name ending in
// `suffix` (empty when none can be made), and, once it is whole, its move over the target
// (flushed, with the target's permissions; on failure the file goes and the target stays).
AnsiString TemporaryBeside(const AnsiString& fileName, const AnsiString& suffix);
bool MoveOver(const AnsiString& temporary, const AnsiString& fileName);

// What tells whether a file changed since it was last read.
struct FileStamp {
  bool exists = false;
  uint64_t device = 0, inode = 0, size = 0;
  int64_t seconds = 0, nanoseconds = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const AnsiString& fileName);
