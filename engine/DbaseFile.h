// File access of the engine: files opened for reading and writing without shutting other
// running copies out, positioned reads and writes that always reach the file (no stale
// buffers between copies), the little-endian numbers of the dBase header and the lock that
// serialises appends.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/core/c_handle.h"
#include "platform/core/text.h"

// The low-level handle: -1 with `error` set to errno when the file cannot be opened.
int DbaseOpenHandle(const AnsiString& name, int& error);
// What an errno means, in the words of the engine's messages; empty for one it has no words
// for.
AnsiString DbaseErrorText(int error);
// An unbuffered "rb+" stream over the handle; nullptr (and the handle closed) when it fails.
FilePtr DbaseStreamOver(int handle);

// What an errno means for a message: the engine's words, else the system's own.
AnsiString DbaseReasonText(int error);
// Bytes read, fewer than `length` at the end of the file or on an error; `error`, where given,
// is the read's errno then and 0 at the end of the file.
std::size_t DbaseReadAt(int handle, off_t position, void* buffer, std::size_t length,
                        int* error = nullptr);
bool DbaseWriteAt(int handle, off_t position, const void* buffer, std::size_t length);
off_t DbaseFileSize(int handle);  // -1 when unknown
// Whether the handle reaches the file that the path names now (same device and inode): false
// once another program has replaced or removed the file since it was opened.
bool DbaseSameFile(int handle, const std::string& path);

inline uint16_t DbaseU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t DbaseU32(const uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
inline void DbasePutU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// The end of a file from `position` on as it was when made: its length and the bytes up to
// `length` from there (what an append writes over, such as the end-of-file byte some tables
// have). Restore cuts the file back to that length and puts those bytes back; only while the
// count lock is held, so that no other copy's record lies past `position`.
class DbaseFileEnd {
 public:
  DbaseFileEnd(int handle, off_t position, std::size_t length);
  void Restore() const;

 private:
  int handle_;
  off_t position_;
  off_t size_;
  std::string bytes_;
};

// Holds an advisory write lock on the header's record count while it lives, so that running
// copies append one after the other. Where the file system has no locks it goes on without.
class DbaseCountLock {
 public:
  explicit DbaseCountLock(int handle);
  ~DbaseCountLock();
  DbaseCountLock(const DbaseCountLock&) = delete;
  DbaseCountLock& operator=(const DbaseCountLock&) = delete;

  // False where the file system gave no lock: other copies may be appending meanwhile.
  bool Held() const { return held_; }

 private:
  bool Set(short type);
  int handle_;
  bool held_;
};
