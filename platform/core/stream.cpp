#include "platform/core/stream.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/core/files.h"
#include "platform/core/save_failure.h"
#include "platform/core/whole_file.h"

int64_t TStream::GetSize() {
  int64_t position = Seek(0, soFromCurrent);
  int64_t size = Seek(0, soFromEnd);
  Seek(position, soFromBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count > 0 && Read(buffer, count) != count) throw EStreamError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count > 0 && Write(buffer, count) != count) throw EStreamError("Stream write error");
}

std::vector<uint8_t> TStream::ReadRest() {
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  for (int64_t n; (n = Read(chunk, sizeof chunk)) > 0;) bytes.insert(bytes.end(), chunk, chunk + n);
  return bytes;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  int64_t size = static_cast<int64_t>(data_.size());
  int64_t n = std::clamp<int64_t>(size - position_, 0, std::max<int64_t>(count, 0));
  if (n > 0) std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  size_t end = static_cast<size_t>(position_ + count);
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  // Writing at the end appends: no zeros written first, the capacity grows by doubling.
  if (static_cast<size_t>(position_) == data_.size()) {
    data_.insert(data_.end(), bytes, bytes + count);
  } else {
    if (end > data_.size()) data_.resize(end);
    std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
  }
  position_ += count;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = origin == soFromBeginning ? 0
                 : origin == soFromCurrent ? position_
                                           : static_cast<int64_t>(data_.size());
  position_ = std::max<int64_t>(0, base + offset);
  return position_;
}

void TMemoryStream::Reserve(int64_t count) {
  if (count > 0) data_.reserve(std::max(data_.size(), static_cast<size_t>(position_ + count)));
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

void TMemoryStream::LoadFromFile(const AnsiString& fileName) {
  TFileStream file(fileName, fmOpenRead);
  data_ = file.ReadRest();
  position_ = 0;
}

void TMemoryStream::SaveToFile(const AnsiString& fileName) {
  TWholeFile file(fileName);
  if (!file.Ok())
    throw EStreamError(SaveFailureText(fileName, file.Error(), "Cannot create file \"" + fileName + "\""));
  if (!file.Write(std::string_view(reinterpret_cast<const char*>(data_.data()), data_.size())) ||
      !file.Commit())
    throw EStreamError(SaveFailureText(fileName, file.Error(), "Stream write error"));
}

TFileStream::TFileStream(const AnsiString& fileName, unsigned mode) {
  const char* how = mode == fmCreate ? "wb" : (mode & 3) == fmOpenRead ? "rb" : "r+b";
  // File names keep their bytes, as everywhere in the layer.
  file_ = std::fopen(NativePath(fileName).c_str(), how);
  if (!file_)
    throw EStreamError(std::string(mode == fmCreate ? "Cannot create file " : "Cannot open file ") +
                       "\"" + fileName + "\"");
}

TFileStream::~TFileStream() { std::fclose(file_); }

int64_t TFileStream::Read(void* buffer, int64_t count) {
  return count > 0 ? static_cast<int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), file_)) : 0;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  return count > 0 ? static_cast<int64_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), file_)) : 0;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  int whence = origin == soFromBeginning ? SEEK_SET : origin == soFromCurrent ? SEEK_CUR : SEEK_END;
  if (std::fseek(file_, static_cast<long>(offset), whence) != 0) return -1;
  return std::ftell(file_);
}

void TFileStream::Flush() {
  if (std::fflush(file_) != 0) throw EStreamError("Stream write error");
}
