// Brings the pages of a mapped range into the process on a thread of its own, so that a pass
// that starts later finds them in place instead of stopping at each one: the query window
// starts it before its pauses. It goes in steps, so that stopping waits for one step at most.
#pragma once

#include <atomic>
#include <cstddef>
#include <thread>

class MappedReadAhead {
 public:
  MappedReadAhead() = default;
  ~MappedReadAhead() { Stop(); }
  MappedReadAhead(const MappedReadAhead&) = delete;
  MappedReadAhead& operator=(const MappedReadAhead&) = delete;

  // Reads [first, first + length) ahead, after stopping what it read before; `first` is
  // where a mapping starts, on a page boundary as madvise wants it.
  void Start(const char* first, std::size_t length);
  // Returns once the thread is gone; the range may be unmapped then.
  void Stop();

 private:
  std::thread thread_;
  std::atomic<bool> stop_{false};
};
