// One record of the binary grid stream: the signature "TPF0", the class name, then the
// properties in their fixed order, each its name, a value type and the value, and an empty
// name at the end. Names are short texts (a length byte); integers are 32 bits; floats are the
// 8 bytes of a double; texts and binary data a 32-bit length and the bytes; a Boolean is its
// value type alone. A
// reader takes the properties in the order it asks for them and raises EStreamError ("Stream read
// error") for any other record, name or value type, so a damaged stream is refused before its
// values are used.
#pragma once

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
  void End() { out_.Byte(0); }

 private:
  TStream& stream_;
  BinaryWriter out_;
  void Name(const char* Name);
};

class TStreamRecordReader {
 public:
  TStreamRecordReader(TStream& Stream, const char* ClassName);
  int32_t Int(const char* Name);
  double Float(const char* Name);
  AnsiString Text(const char* Name);
  bool Bool(const char* Name);
  std::vector<uint8_t> Binary(const char* Name);
  void End();

 private:
  TStream& stream_;
  BinaryReader in_;
  void Expect(const char* Text);
  uint8_t ValueType(const char* Name);
};
