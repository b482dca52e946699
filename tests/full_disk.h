// A small file system of a test's own (a tmpfs) that the test can fill to its last block, to
// see what a writer does when the disk is full. Mounting needs the right to mount; where the
// machine does not give it, Mounted() is false and the test skips, naming why.
#pragma once

#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "temp_folder.h"

class FullDisk {
 public:
  // size: the file system's capacity, e.g. "256k".
  explicit FullDisk(const std::string& size = "256k") {
    const std::string options = "size=" + size + ",mode=0777";
    if (::mount("tmpfs", folder_.Path().c_str(), "tmpfs", 0, options.c_str()) == 0) {
      mounted_ = true;
    } else {
      why_ = std::string("cannot mount a small tmpfs here (") + std::strerror(errno) +
             "); a full disk cannot be tried";
    }
  }
  ~FullDisk() {
    if (mounted_) ::umount2(folder_.Path().c_str(), MNT_DETACH);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

  bool Mounted() const { return mounted_; }
  const std::string& Why() const { return why_; }
  std::string Path() const { return folder_.Path(); }
  std::string operator/(const std::string& name) const { return folder_ / name; }

  // Takes every free block left, so the next write that needs a block fails with ENOSPC.
  void Fill() {
    FILE* filler = std::fopen((folder_ / ".filler").c_str(), "ab");
    if (!filler) return;
    static const char block[4096] = {};
    while (std::fwrite(block, 1, sizeof block, filler) == sizeof block) {}
    std::fclose(filler);
    // Whatever a byte-sized write could still take of a partly used block goes too.
    filler = std::fopen((folder_ / ".filler").c_str(), "ab");
    if (!filler) return;
    while (std::fwrite(block, 1, 1, filler) == 1 && std::fflush(filler) == 0) {}
    std::fclose(filler);
  }
  // Gives the blocks back.
  void Free() { std::remove((folder_ / ".filler").c_str()); }

 private:
  TempFolder folder_;
  bool mounted_ = false;
  std::string why_;
};

// Skips the test when no small tmpfs can be mounted.
#define SKIP_WITHOUT_FULL_DISK(disk) \
  if (!(disk).Mounted()) GTEST_SKIP() << (disk).Why()
