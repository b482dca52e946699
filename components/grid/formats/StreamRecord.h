// One record of the binary grid stream: the signature "TPF0", the class name, then the
// properties in their fixed order, each its name, a value type and the value, and an empty
// name at the end. Names are short texts (a length byte); integers are 32 bits; floats are the
// 8 bytes of a double; texts and binary data a 32-bit length and the bytes; a Boolean is its
// value type alone. A
// reader takes the properties in the order it asks for them and raises EStreamError ("Stream read
// error") for any other record, name or value type, so a damaged stream is refused before its
// values are used. A record is written whole at its end, and read from a few bytes read ahead
// of it; the stream stands after the record, or after what was read of a refused one.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "components/grid/formats/BinaryStream.h"

class TStreamRecordWriter {
 public:
  TStreamRecordWriter(TStream& Stream, const char* ClassName);
  void Int(const char* Name, int32_t Value);
  void Float(const char* Name, double Value);
  void Text(const char* Name, const AnsiString& Value);
  void Bool(const char* Name, bool Value);
  void Binary(const char* Name, const std::vector<uint8_t>& Value);
  void End();

 private:
  TStream& stream_;
  AnsiString bytes_;  // the record so far
  BinaryWriter out_{bytes_};
  void Name(const char* Name);
};

class TStreamRecordReader {
 public:
  TStreamRecordReader(TStream& Stream, const char* ClassName);
  TStreamRecordReader(const TStreamRecordReader&) = delete;
  TStreamRecordReader& operator=(const TStreamRecordReader&) = delete;
  int32_t Int(const char* Name);
  double Float(const char* Name);
  AnsiString Text(const char* Name);
  bool Bool(const char* Name);
  std::vector<uint8_t> Binary(const char* Name);
  void End();

 private:
  static constexpr std::size_t kReadAhead = 256;  // most records of cells; longer ones read on

  TStream& stream_;
  const int64_t start_;  // where the record starts
  const uint64_t size_;  // the bytes from there to the stream's end
  // The bytes read from start_ on: in local_, or in heap_ once they outgrow it.
  std::array<char, kReadAhead> local_;
  AnsiString heap_;
  char* data_ = local_.data();
  std::size_t have_ = 0;
  std::size_t used_ = 0;
  const char* Take(std::size_t Count);
  void ReadMore(std::size_t Missing);
  uint8_t Byte() { return static_cast<uint8_t>(*Take(1)); }
  int32_t Int();
  std::size_t Length();
  [[noreturn]] void Refuse();
  void Expect(const char* Text);
  uint8_t ValueType(const char* Name);
};
