#include "components/grid/StreamRecord.h"

#include <cstring>

namespace {

constexpr const char* kSignature = "TPF0";
enum : uint8_t { vtInt = 1, vtText = 2, vtFalse = 3, vtTrue = 4 };

[[noreturn]] void Refuse() { throw EStreamError("Stream read error"); }

}  // namespace

TStreamRecordWriter::TStreamRecordWriter(TStream& Stream, const char* ClassName) : out_(Stream) {
  for (const char* c = kSignature; *c; ++c) out_.Byte(static_cast<uint8_t>(*c));
  Name(ClassName);
}

void TStreamRecordWriter::Name(const char* Name) {
  const std::size_t length = std::strlen(Name);
  out_.Byte(static_cast<uint8_t>(length));
  for (std::size_t i = 0; i < length; ++i) out_.Byte(static_cast<uint8_t>(Name[i]));
}

void TStreamRecordWriter::Int(const char* Name, int32_t Value) {
  this->Name(Name);
  out_.Byte(vtInt);
  out_.Int(Value);
}

void TStreamRecordWriter::Text(const char* Name, const AnsiString& Value) {
  this->Name(Name);
  out_.Byte(vtText);
  out_.Text(Value);
}

void TStreamRecordWriter::Bool(const char* Name, bool Value) {
  this->Name(Name);
  out_.Byte(Value ? vtTrue : vtFalse);
}

TStreamRecordReader::TStreamRecordReader(TStream& Stream, const char* ClassName) : in_(Stream) {
  for (const char* c = kSignature; *c; ++c)
    if (in_.Byte() != static_cast<uint8_t>(*c)) Refuse();
  Expect(ClassName);
}

void TStreamRecordReader::Expect(const char* Text) {
  const std::size_t length = std::strlen(Text);
  if (in_.Byte() != length) Refuse();
  for (std::size_t i = 0; i < length; ++i)
    if (in_.Byte() != static_cast<uint8_t>(Text[i])) Refuse();
}

uint8_t TStreamRecordReader::ValueType(const char* Name) {
  Expect(Name);
  return in_.Byte();
}

int32_t TStreamRecordReader::Int(const char* Name) {
  if (ValueType(Name) != vtInt) Refuse();
  return in_.Int();
}

AnsiString TStreamRecordReader::Text(const char* Name) {
  if (ValueType(Name) != vtText) Refuse();
  return in_.Text();
}

bool TStreamRecordReader::Bool(const char* Name) {
  const uint8_t type = ValueType(Name);
  if (type != vtFalse && type != vtTrue) Refuse();
  return type == vtTrue;
}

void TStreamRecordReader::End() {
  if (in_.Byte() != 0) Refuse();
}
