// The kernel brings the pages in without touching them, and a page it cannot bring in (past
// the end of a file shortened meanwhile) ends the reading with an error rather than a bus
// error. A kernel without this leaves the pages to the pass.
#include "engine/MappedReadAhead.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <system_error>

namespace {

constexpr std::size_t kStep = std::size_t{16} << 20;

}  // namespace

void MappedReadAhead::Start(const char* first, std::size_t length) {
  Stop();
  const long page = sysconf(_SC_PAGESIZE);
  if (!first || length == 0 || page <= 0) return;
  // madvise takes a page-aligned start.
  const auto address = reinterpret_cast<std::uintptr_t>(first);
  const std::uintptr_t start = address - address % static_cast<std::uintptr_t>(page);
  const std::size_t span = length + (address - start);
  stop_ = false;
  try {
    thread_ = std::thread([this, start, span] {
      for (std::size_t done = 0; done < span && !stop_; done += kStep) {
        void* at = reinterpret_cast<void*>(start + done);
        if (madvise(at, std::min(kStep, span - done), MADV_POPULATE_READ) != 0) return;
      }
    });
  } catch (const std::system_error&) {
    // No thread to be had: the pass brings the pages in itself.
  }
}

void MappedReadAhead::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}
