// A zip archive of the office file formats, opened for reading, for changing or made anew:
// whole entries read as bytes and written from bytes. An archive to change or make is kept
// in memory, and Commit replaces the file whole with it (TWholeFile); an archive dropped
// without it, or a failing Commit, leaves the file as it was. Failures throw Exception naming
// the file.
#pragma once

#include <map>
#include <string>

#include "platform/core/text.h"

struct zip;
struct zip_source;

class ZipArchive {
 public:
  enum Mode { Read, Change, Create };
  ZipArchive(const AnsiString& FileName, Mode OpenMode);
  ~ZipArchive();
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;

  bool Has(const std::string& Name) const;
  // The entry's bytes; a missing entry throws.
  std::string Entry(const std::string& Name) const;
  // Replaces the entry, or adds it when missing.
  void Put(const std::string& Name, const std::string& Bytes);
  void Remove(const std::string& Name);
  void Commit();

 private:
  [[noreturn]] void Fail(const AnsiString& What) const;
  AnsiString fileName_;
  zip_source* memory_ = nullptr;
  zip* zip_ = nullptr;
  // What was put, since libzip reads no entry changed before the commit.
  std::map<std::string, std::string> put_;
};
