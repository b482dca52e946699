#include "components/grid/formats/ZipArchive.h"

#include <zip.h>

#include <cstdlib>
#include <cstring>

#include "platform/core/c_handle.h"
#include "platform/core/exception.h"
#include "platform/core/file_bytes.h"

namespace {
// Entries beyond this are no office part: refuse them rather than allocate their claim.
constexpr zip_uint64_t kMaxEntry = 256u * 1024 * 1024;

// The archive libzip wrote into the memory source; false when there is none.
bool WrittenBytes(zip_source_t* Source, std::string& Bytes) {
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_source_is_deleted(Source) || zip_source_stat(Source, &st) != 0 ||
      !(st.valid & ZIP_STAT_SIZE) || zip_source_open(Source) != 0)
    return false;
  Bytes.resize(st.size);
  const zip_int64_t got = zip_source_read(Source, Bytes.data(), st.size);
  zip_source_close(Source);
  return got >= 0 && static_cast<zip_uint64_t>(got) == st.size;
}

// A source over a copy of the bytes that libzip owns: it frees and replaces its buffers as it
// writes. An empty one has no buffer at all, since libzip takes none of length 0 into its care.
zip_source_t* MemorySource(const std::string& Bytes) {
  void* copy = Bytes.empty() ? nullptr : std::malloc(Bytes.size());
  if (!Bytes.empty() && !copy) return nullptr;
  if (copy) std::memcpy(copy, Bytes.data(), Bytes.size());
  zip_error_t failure;
  zip_error_init(&failure);
  zip_source_t* source = zip_source_buffer_create(copy, Bytes.size(), copy ? 1 : 0, &failure);
  zip_error_fini(&failure);
  if (!source) std::free(copy);
  return source;
}

}  // namespace

// Read straight from the file; changed and new archives in memory, so that libzip never
// writes beside the file on its own.
ZipArchive::ZipArchive(const AnsiString& FileName, Mode OpenMode) : fileName_(FileName) {
  int error = 0;
  if (OpenMode == Read) {
    zip_ = zip_open(FileName.c_str(), ZIP_RDONLY, &error);
    if (!zip_) Fail("is no readable archive");
    return;
  }
  std::string bytes;
  if (OpenMode == Change && !ReadFileBytes(FileName, bytes)) Fail("is no readable archive");
  memory_ = MemorySource(bytes);
  if (!memory_) Fail("cannot be held in memory");
  zip_error_t failure;
  zip_error_init(&failure);
  zip_ = zip_open_from_source(memory_, OpenMode == Create ? ZIP_CREATE | ZIP_TRUNCATE : 0, &failure);
  zip_error_fini(&failure);
  if (!zip_) {
    zip_source_free(memory_);
    memory_ = nullptr;
    Fail("is no readable archive");
  }
}

// The archive owns the memory source; Commit keeps a reference of its own while it reads it.
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
  // libzip reads the source at Commit, so it gets a copy of its own to free.
  zip_source_t* source = MemorySource(Bytes);
  if (!source) Fail("cannot take part " + Name);
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
  if (!memory_) Fail("cannot be written");
  zip_source_keep(memory_);
  std::string bytes;
  const bool closed = zip_close(zip_) == 0;
  if (closed) zip_ = nullptr;
  const bool made = closed && WrittenBytes(memory_, bytes);
  zip_source_free(memory_);
  memory_ = nullptr;
  if (!made || !WriteFileBytes(fileName_, bytes)) Fail("cannot be written");
}
