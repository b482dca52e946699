// Whole files as bytes: reading them, and replacing them so that a failed or interrupted
// write never leaves a half-written file behind. Names may use "/" or "\\".
#pragma once

#include <cstdint>
#include <string>

#include "platform/core/text.h"

bool ReadFileBytes(const AnsiString& fileName, std::string& bytes);
// The bytes as the file's whole content, through TWholeFile (whole_file.h): false when they
// could not be written, with errno telling why, and the old file then stays as it was.
bool WriteFileBytes(const AnsiString& fileName, const std::string& bytes);

// What tells whether a file changed since it was last read.
struct FileStamp {
  bool exists = false;
  uint64_t device = 0, inode = 0, size = 0;
  int64_t seconds = 0, nanoseconds = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const AnsiString& fileName);
