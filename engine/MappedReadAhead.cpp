// The kernel brings the pages in without touching them, and a page it cannot bring in (past
// the end of a file shortened meanwhile) ends the reading with an error rather than a bus
// error. A kernel without this leaves the pages to the pass.
#include "engine/MappedReadAhead.h"

#include <sys/mman.h>

#include <algorithm>
#include <system_error>

namespace {

constexpr std::size_t kStep = std::size_t{16} << 20;

}  // namespace

void MappedReadAhead::Start(const char* first, std::size_t length) {
  Stop();
  if (!first || length == 0) return;
  stop_ = false;
  try {
    thread_ = std::thread([this, first, length] {
      for (std::size_t done = 0; done < length && !stop_; done += kStep) {
        void* at = const_cast<char*>(first + done);  // only read
        if (madvise(at, std::min(kStep, length - done), MADV_POPULATE_READ) != 0) return;
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
