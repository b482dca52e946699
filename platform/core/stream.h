// Byte streams as the class library has them: a memory stream and a file stream behind
// one interface, positioned reads and writes, and errors raised as exceptions.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/core/exception.h"
#include "platform/core/object.h"
#include "platform/core/text.h"

class EStreamError : public Exception {
 public:
  using Exception::Exception;
};

enum TSeekOrigin { soFromBeginning, soFromCurrent, soFromEnd };

class TStream : public TObject {
 public:
  virtual int64_t Read(void* buffer, int64_t count) = 0;   // bytes read, 0 at the end
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  int64_t GetPosition() { return Seek(0, soFromCurrent); }
  void SetPosition(int64_t position) { Seek(position, soFromBeginning); }
  virtual int64_t GetSize();
  // The stream's bytes where they lie whole in memory, else null: a reader may take them in
  // place rather than copy them out. Valid until the stream is written.
  virtual const uint8_t* Contents() { return nullptr; }
  // Room ahead for about Count bytes more, so a long run of small writes seldom moves them.
  virtual void Reserve(int64_t /*count*/) {}
  // Raise EStreamError when fewer bytes move than asked for.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  // The rest of the stream from the current position.
  std::vector<uint8_t> ReadRest();
};

class TMemoryStream : public TStream {
 public:
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t GetSize() override { return static_cast<int64_t>(data_.size()); }
  const uint8_t* Contents() override { return data_.data(); }
  void Reserve(int64_t count) override;
  const uint8_t* Memory() const { return data_.data(); }
  const std::vector<uint8_t>& Bytes() const { return data_; }
  void Clear();
  void LoadFromFile(const AnsiString& fileName);
  // Replaces the file whole (TWholeFile): a failure raises EStreamError and leaves the old one.
  void SaveToFile(const AnsiString& fileName);

 private:
  std::vector<uint8_t> data_;
  int64_t position_ = 0;
};

enum : unsigned { fmOpenRead = 0x0000, fmOpenWrite = 0x0001, fmOpenReadWrite = 0x0002,
                  fmCreate = 0xFFFF };

class TFileStream : public TStream {
 public:
  // The name is Windows-1252, "\\" and "/" both separate folders. Raises EStreamError
  // ("Cannot open file ..." / "Cannot create file ...") on failure.
  TFileStream(const AnsiString& fileName, unsigned mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  // Writes out what is still buffered; a full disk often shows only here. Raises EStreamError.
  void Flush();

 private:
  std::FILE* file_;
};
