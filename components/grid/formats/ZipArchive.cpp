#include "components/grid/formats/ZipArchive.h"

#include <zip.h>

#include <cstdlib>
#include <cstring>

#include "platform/core/c_handle.h"
#include "platform/core/exception.h"

namespace {
// Entries beyond this are no office part: refuse them rather than allocate their claim.
constexpr zip_uint64_t kMaxEntry = 256u * 1024 * 1024;
}  // namespace

ZipArchive::ZipArchive(const AnsiString& FileName, Mode OpenMode) : fileName_(FileName) {
  const int flags = OpenMode == Read     ? ZIP_RDONLY
                    : OpenMode == Create ? ZIP_CREATE | ZIP_TRUNCATE
                                         : 0;
  int error = 0;
  zip_ = zip_open(FileName.c_str(), flags, &error);
  if (!zip_) Fail("is no readable archive");
}

ZipArchive::~ZipArchive() {
  if (zip_) zip_discard(zip_);
}

void ZipArchive::Fail(const AnsiString& What) const {
  throw Exception("File " + fileName_ + " " + What);
}

bool ZipArchive::Has(const std::string& Name) const {
  return put_.count(Name) || zip_name_locate(zip_, Name.c_str(), 0) >= 0;
}

std::string ZipArchive::Entry(const std::string& Name) const {
  if (const auto it = put_.find(Name); it != put_.end()) return it->second;
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat(zip_, Name.c_str(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
    Fail("lacks its part " + Name);
  if (st.size > kMaxEntry) Fail("has an oversized part " + Name);
  const CHandle<zip_file_t, zip_fclose> file(zip_fopen(zip_, Name.c_str(), 0));
  if (!file) Fail("has an unreadable part " + Name);
  std::string bytes(st.size, '\0');
  const zip_int64_t got = zip_fread(file.get(), bytes.data(), st.size);
  if (got < 0 || static_cast<zip_uint64_t>(got) != st.size) Fail("has a damaged part " + Name);
  return bytes;
}

void ZipArchive::Put(const std::string& Name, const std::string& Bytes) {
  // libzip reads the source at Commit, so it gets a copy of its own to free. An empty part
  // gets none: libzip takes no buffer of length 0 into its care, so it would never be freed.
  void* copy = nullptr;
  if (!Bytes.empty()) {
    copy = std::malloc(Bytes.size());
    if (!copy) Fail("cannot take part " + Name);
    std::memcpy(copy, Bytes.data(), Bytes.size());
  }
  zip_source_t* source = zip_source_buffer(zip_, copy, Bytes.size(), copy ? 1 : 0);
  if (!source) {
    std::free(copy);
    Fail("cannot take part " + Name);
  }
  if (zip_file_add(zip_, Name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
    zip_source_free(source);
    Fail("cannot take part " + Name);
  }
  put_[Name] = Bytes;
}

void ZipArchive::Remove(const std::string& Name) {
  const zip_int64_t index = zip_name_locate(zip_, Name.c_str(), 0);
  if (index >= 0) zip_delete(zip_, static_cast<zip_uint64_t>(index));
  put_.erase(Name);
}

void ZipArchive::Commit() {
  if (zip_close(zip_) != 0) Fail("cannot be written");
  zip_ = nullptr;
}
