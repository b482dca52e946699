// The view is a shared read-only mapping. Reading a mapped page past the file's end raises a
// bus error; while a copy runs, a handler turns that fault into a jump back to the copy, which
// then reports it. Faults anywhere else go to the handler that was there before.
#include "engine/DbaseMappedFile.h"

#include <setjmp.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <utility>

#include "engine/DbaseFile.h"

namespace {

struct Guard {
  sigjmp_buf jump;
  const char* first;
  const char* end;
};
thread_local Guard* activeGuard = nullptr;
struct sigaction previousHandler {};

void OnBusError(int signal, siginfo_t* info, void* /*context*/) {
  Guard* guard = activeGuard;
  const auto* address = static_cast<const char*>(info->si_addr);
  const bool fault = info->si_code > 0;  // not sent by kill or raise
  if (fault && guard && address >= guard->first && address < guard->end) siglongjmp(guard->jump, 1);
  // Not a copy's fault: the handler before takes it, as the instruction faults again; a sent
  // signal would not come again, so it is sent once more.
  sigaction(SIGBUS, &previousHandler, nullptr);
  if (!fault) raise(signal);
}

// In front of whatever handler stands now, once per view: another may have replaced it.
// Not deferred: the jump leaves the handler without restoring the signal mask (saving it at
// every copy would cost a system call), and a bus error blocked then would end the process.
bool InstallHandler() {
  struct sigaction current {};
  if (sigaction(SIGBUS, nullptr, &current) != 0) return false;
  if ((current.sa_flags & SA_SIGINFO) && current.sa_sigaction == OnBusError) return true;
  struct sigaction action {};
  action.sa_sigaction = OnBusError;
  action.sa_flags = SA_SIGINFO | SA_NODEFER;
  sigemptyset(&action.sa_mask);
  previousHandler = current;  // before a bus error can reach the new handler
  return sigaction(SIGBUS, &action, nullptr) == 0;
}

}  // namespace

void DbaseMappedFile::Cover(int handle, off_t first, std::size_t length) {
  const off_t end = std::min<off_t>(DbaseFileSize(handle), first + static_cast<off_t>(length));
  const bool kept = handle == handle_ && bytes_ && first >= start_ && end == end_;
  if (!InstallHandler()) return Drop();  // no view without the guard
  if (kept) return;                      // the file has its length of the last time
  Drop();
  const long page = sysconf(_SC_PAGESIZE);
  if (handle < 0 || first < 0 || end <= first || page <= 0) return;
  const off_t start = first - first % page;
  void* view =
      mmap(nullptr, static_cast<std::size_t>(end - start), PROT_READ, MAP_SHARED, handle, start);
  if (view == MAP_FAILED) return;
  handle_ = handle;
  bytes_ = static_cast<char*>(view);
  mapped_ = static_cast<std::size_t>(end - start);
  start_ = start;
  end_ = end;
}

DbaseMappedFile& DbaseMappedFile::operator=(DbaseMappedFile&& other) noexcept {
  if (this == &other) return *this;
  Drop();
  other.ahead_.Stop();
  handle_ = std::exchange(other.handle_, -1);
  bytes_ = std::exchange(other.bytes_, nullptr);
  mapped_ = std::exchange(other.mapped_, 0);
  start_ = std::exchange(other.start_, 0);
  end_ = std::exchange(other.end_, 0);
  return *this;
}

void DbaseMappedFile::Drop() {
  ahead_.Stop();
  if (bytes_) munmap(bytes_, mapped_);
  handle_ = -1;
  bytes_ = nullptr;
  mapped_ = 0;
  start_ = end_ = 0;
}

bool DbaseMappedFile::Copy(off_t position, std::span<const Piece> pieces, char* to) {
  const char* from = bytes_ + (position - start_);
  Guard guard;
  guard.first = bytes_;
  guard.end = bytes_ + mapped_;
  if (sigsetjmp(guard.jump, 0) != 0) {
    activeGuard = nullptr;
    Drop();
    return false;
  }
  activeGuard = &guard;
  // The handler sees the guard stand for exactly the copies.
  std::atomic_signal_fence(std::memory_order_seq_cst);
  for (auto [offset, length] : pieces) std::memcpy(to + offset, from + offset, length);
  std::atomic_signal_fence(std::memory_order_seq_cst);
  activeGuard = nullptr;
  return true;
}
