// A table of writers tried by another user (a child process as another account, without
// groups) in a folder that user may write: on a read-only file of someone else, which each
// must refuse in the program's words and keep as it was, owner and mode included; and on a
// dangling link, which each must write through, the link kept and its file made. Changing the
// user needs root; elsewhere the tests skip, saying why.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "full_disk_writers.h"
#include "other_user.h"

struct ProtectedFileWriter {
  std::string name;
  std::string file;
  // Saves at the path given and answers what the writer told: the exception's text or the
  // messages shown, empty when it told nothing.
  std::function<std::string(const std::string& path)> save;
};

inline const std::string kWriteProtected = " ist schreibgesch\xFCtzt - nicht gespeichert";

// Runs `action` in a child process as the other user and answers what it answered; a child
// that could not change its user or died answers so.
inline std::string AsOtherUser(const std::function<std::string()>& action) {
  int pipe[2];
  if (::pipe(pipe) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe[0]);
    std::string said = "cannot become another user";
    if (BecomeUser(kSecondUser)) said = action();
    for (std::size_t done = 0; done < said.size();) {
      const ssize_t n = ::write(pipe[1], said.data() + done, said.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(pipe[1]);
  std::string said;
  char buffer[4096];
  for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) said.append(buffer, n);
  ::close(pipe[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) said += " (the child failed)";
  return said;
}

// A folder every user may write, inside one of the test's own.
inline std::string OpenFolder(const TempFolder& folder) {
  const std::string open = folder / "offen";
  std::filesystem::create_directory(open);
  ::chmod(folder.Path().c_str(), 0755);
  ::chmod(open.c_str(), 0777);
  return open;
}

inline void ExpectReadOnlyFilesKept(const std::vector<ProtectedFileWriter>& writers) {
  for (const ProtectedFileWriter& writer : writers) {
    SCOPED_TRACE(writer.name);
    TempFolder folder;
    const std::string open = OpenFolder(folder);
    const std::string path = open + "/" + writer.file;
    const std::string old = "the protected file\r\nline 2\r\n";
    WriteBytes(path, old);
    ::chmod(path.c_str(), 0444);
    const std::set<std::string> before = FolderNames(open);
    const std::string said = AsOtherUser([&] { return writer.save(path); });
    EXPECT_TRUE(said.ends_with(writer.file + kWriteProtected)) << said;
    EXPECT_EQ(ReadBytes(path), old);
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(FolderNames(open), before);
  }
}

inline void ExpectDanglingLinksWrittenThrough(const std::vector<ProtectedFileWriter>& writers) {
  for (const ProtectedFileWriter& writer : writers) {
    SCOPED_TRACE(writer.name);
    TempFolder folder;
    const std::string open = OpenFolder(folder);
    const std::string path = open + "/" + writer.file;
    std::filesystem::create_symlink("ziel-" + writer.file, path);
    const std::string said = AsOtherUser([&] { return writer.save(path); });
    EXPECT_TRUE(std::filesystem::is_symlink(path)) << said;
    EXPECT_GT(ReadBytes(open + "/ziel-" + writer.file).size(), 0u) << said;
    EXPECT_EQ(FolderNames(open), (std::set<std::string>{writer.file, "ziel-" + writer.file}));
  }
}
