// A read-only view of a table file's records, for the passes over a million of them: a pass
// reads each record's fields where the file lies in memory instead of copying every record
// out of it, and the view stays for the next pass while the table is open. Another program
// may shorten the file meanwhile: a copy out of the part that went reports false instead of
// ending the process, and the view is let go.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <span>
#include <utility>

#include "engine/MappedReadAhead.h"

class DbaseMappedFile {
 public:
  // Offset and length of a piece of a record.
  using Piece = std::pair<std::size_t, std::size_t>;

  DbaseMappedFile() = default;
  ~DbaseMappedFile() { Drop(); }
  DbaseMappedFile(DbaseMappedFile&& other) noexcept { *this = std::move(other); }
  DbaseMappedFile& operator=(DbaseMappedFile&& other) noexcept;

  // Makes the view hold the bytes [first, first + length) of the file as far as the file
  // holds them, keeping the view it has when the file has not changed its length since. An
  // empty view where the file cannot be mapped.
  void Cover(int handle, off_t first, std::size_t length);
  void Drop();
  // Brings the view's pages in on a thread of its own while the caller waits for other things.
  void ReadAhead() { ahead_.Start(bytes_, mapped_); }

  // Whether the view holds the bytes [position, position + length).
  bool Holds(off_t position, std::size_t length) const {
    return bytes_ && position >= start_ && position + static_cast<off_t>(length) <= end_;
  }
  // Copies the pieces of the bytes at `position`, which the view holds, to the same offsets
  // of `to`; false, and the view let go, when the file no longer holds them.
  bool Copy(off_t position, std::span<const Piece> pieces, char* to);

 private:
  int handle_ = -1;
  char* bytes_ = nullptr;
  std::size_t mapped_ = 0;  // the mapping's length, from a page boundary
  off_t start_ = 0;         // the file position of bytes_[0]
  off_t end_ = 0;           // past the last position held
  MappedReadAhead ahead_;   // stopped before the view goes
};
