// A table of writers tried on a full disk: each writes its file over an old one on a small
// file system of its own that has no block left, and must report the failure in its own way
// (an exception, a result code, a message), keep the old file byte for byte and leave no
// other file behind.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "full_disk.h"
#include "temp_folder.h"

struct FullDiskWriter {
  std::string name;
  // The file written, in the full folder, and its old bytes (a few lines of text when empty).
  std::string file;
  std::string old;
  // Writes the file at the path given; says whether the writer reported the failure.
  std::function<testing::AssertionResult(const std::string& path)> write;
  // Puts what the writer needs beside the file into the folder before the disk fills.
  std::function<void(const std::string& folder)> prepare = {};
};

inline std::set<std::string> FolderNames(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    names.insert(entry.path().lexically_relative(folder).string());
  return names;
}

// Reports the failure of `expression` as the writer's answer.
#define FULL_DISK_THROWS(expression, Error)                                    \
  [&]() -> testing::AssertionResult {                                          \
    try {                                                                      \
      expression;                                                              \
    } catch (const Error&) {                                                   \
      return testing::AssertionSuccess();                                      \
    }                                                                          \
    return testing::AssertionFailure() << "no " #Error " from " #expression;   \
  }()

inline void ExpectFullDiskKeepsOldFiles(const std::vector<FullDiskWriter>& writers) {
  for (const FullDiskWriter& writer : writers) {
    SCOPED_TRACE(writer.name);
    FullDisk disk;
    SKIP_WITHOUT_FULL_DISK(disk);
    const std::string old = writer.old.empty() ? "the last good file\r\nline 2\r\n" : writer.old;
    if (writer.prepare) writer.prepare(disk.Path());
    WriteBytes(disk / writer.file, old);
    ASSERT_EQ(ReadBytes(disk / writer.file), old) << "the old file did not fit";
    disk.Fill();
    const std::set<std::string> before = FolderNames(disk.Path());
    EXPECT_TRUE(writer.write(disk / writer.file));
    EXPECT_EQ(ReadBytes(disk / writer.file), old);
    EXPECT_EQ(FolderNames(disk.Path()), before);
  }
}
