// One record of the binary grid stream: the signature "TPF0", the class name, then the
// properties in their fixed order, each its name, a value type and the value, and an empty
// name at the end. Names are short texts (a length byte); integers are 32 bits; floats are the
// 8 bytes of a double; texts and binary data a 32-bit length and the bytes; a Boolean is its
// value type alone. A
// reader takes the properties in the order it asks for them and raises EStreamError ("Stream read
// error") for any other record, name or value type, so a damaged stream is refused before its
// values are used. A record is written whole at its end, and read in place from a stream in
// memory, else from a few bytes read ahead of it; the stream stands after the record, or after
// what was read of a refused one.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "components/grid/formats/BinaryStream.h"

// What every record starts with.
inline constexpr std::string_view kRecordSignature = "TPF0";

// The value types of a property.
namespace StreamValue {
enum : uint8_t { Int = 1, Text = 2, False = 3, True = 4, Float = 5, Binary = 6 };
}

// The fixed bytes of a record from one value to the next, made at compile time from the
// names: a record whose shape never changes (a cell's) is written and checked as a few runs
// of bytes around its values rather than name by name.
class TRecordBytes {
 public:
  // "TPF0" and the class name: the start of a record.
  constexpr TRecordBytes& Start(std::string_view ClassName) {
    for (char c : kRecordSignature) Add(c);
    return Name(ClassName);
  }
  // A property's name and value type.
  constexpr TRecordBytes& Property(std::string_view Name, uint8_t Type) {
    this->Name(Name);
    Add(static_cast<char>(Type));
    return *this;
  }
  // A name alone: a Boolean's value is its value type, so its run ends before it.
  constexpr TRecordBytes& Name(std::string_view Name) {
    Add(static_cast<char>(Name.size()));
    for (char c : Name) Add(c);
    return *this;
  }
  constexpr std::size_t Size() const { return size_; }
  constexpr const char* Data() const { return bytes_.data(); }
  // Whether Bytes begin with these.
  bool Opens(const char* Bytes) const { return std::memcmp(Bytes, bytes_.data(), size_) == 0; }

 private:
  std::array<char, 40> bytes_{};
  std::size_t size_ = 0;
  constexpr void Add(char c) { bytes_[size_++] = c; }
};

class TStreamRecordWriter {
 public:
  TStreamRecordWriter(TStream& Stream, std::string_view ClassName);
  TStreamRecordWriter(const TStreamRecordWriter&) = delete;
  TStreamRecordWriter& operator=(const TStreamRecordWriter&) = delete;
  void Int(std::string_view Name, int32_t Value);
  void Float(std::string_view Name, double Value);
  void Text(std::string_view Name, const AnsiString& Value);
  void Bool(std::string_view Name, bool Value);
  void Binary(std::string_view Name, const std::vector<uint8_t>& Value);
  void End();

 private:
  static constexpr std::size_t kLocal = 256;  // most records of cells, built without the heap

  TStream& stream_;
  // The record so far: in local_, or in heap_ once it outgrows it.
  std::array<char, kLocal> local_;
  AnsiString heap_;
  std::size_t size_ = 0;
  bool spilled_ = false;
  // Inline, so that a byte or an integer is a store, not a call.
  void Put(const void* Data, std::size_t Count) {
    if (spilled_ || size_ + Count > local_.size()) return Spill(Data, Count);
    std::memcpy(local_.data() + size_, Data, Count);
    size_ += Count;
  }
  void Spill(const void* Data, std::size_t Count);
  void Byte(uint8_t Value) { Put(&Value, 1); }
  void Int(int32_t Value);
  void Name(std::string_view Name);
};

class TStreamRecordReader {
 public:
  TStreamRecordReader(TStream& Stream, std::string_view ClassName);
  TStreamRecordReader(const TStreamRecordReader&) = delete;
  TStreamRecordReader& operator=(const TStreamRecordReader&) = delete;
  int32_t Int(std::string_view Name);
  double Float(std::string_view Name);
  AnsiString Text(std::string_view Name);
  bool Bool(std::string_view Name);
  std::vector<uint8_t> Binary(std::string_view Name);
  void End();

 private:
  static constexpr std::size_t kReadAhead = 256;  // most records of cells; longer ones read on

  TStream& stream_;
  const int64_t start_;  // where the record starts
  const uint64_t size_;  // the bytes from there to the stream's end
  // The bytes from start_ on: in place in a stream in memory, else those read so far, in
  // local_, or in heap_ once they outgrow it.
  std::array<char, kReadAhead> local_;
  AnsiString heap_;
  const char* data_ = local_.data();
  std::size_t have_ = 0;
  std::size_t used_ = 0;
  const char* Take(std::size_t Count);
  void ReadMore(std::size_t Missing);
  uint8_t Byte() { return static_cast<uint8_t>(*Take(1)); }
  int32_t Int();
  std::size_t Length();
  [[noreturn]] void Refuse();
  void Expect(std::string_view Text);
  uint8_t ValueType(std::string_view Name);
};
