// Test support: running as another user of a shared folder. A forked process takes another
// user id and umask, as a second person at another account would run the program. Only root
// may switch users; elsewhere the tests skip, naming why.
#pragma once

#include <gtest/gtest.h>
#include <grp.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

struct OtherUser {
  uid_t id;
  mode_t umask;
};

// nobody with a private umask, and a second account with the usual one.
inline constexpr OtherUser kPrivateUser{65534, 077};
inline constexpr OtherUser kSecondUser{4242, 022};

// In a forked process only: from here on the process is that user (and its own group).
inline bool BecomeUser(const OtherUser& user) {
  if (::setgroups(0, nullptr) != 0 || ::setresgid(user.id, user.id, user.id) != 0 ||
      ::setresuid(user.id, user.id, user.id) != 0)
    return false;
  ::umask(user.umask);
  // A changed identity makes the process's /proc entries root's; the program reads its own.
  ::prctl(PR_SET_DUMPABLE, 1);
  return true;
}

#define SKIP_WITHOUT_OTHER_USERS()                                              \
  if (::geteuid() != 0) GTEST_SKIP() << "only root can run processes as other users here"

// Lets every user pass through the folders from `top` down to `shared` and write in `shared`,
// as a folder shared by several people is set up.
inline void ShareFolder(const std::string& top, const std::string& shared) {
  namespace fs = std::filesystem;
  for (fs::path folder = shared; !folder.empty(); folder = folder.parent_path()) {
    fs::permissions(folder, folder == fs::path(shared) ? fs::perms::all : fs::perms::owner_all |
                                                         fs::perms::group_exec | fs::perms::others_exec);
    if (folder == fs::path(top)) break;
  }
}
