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

// What tells whether a file changed since it was last read.
struct FileStamp {
  bool exists = false;
  uint64_t device = 0, inode = 0, size = 0;
  int64_t seconds = 0, nanoseconds = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const AnsiString& fileName);
