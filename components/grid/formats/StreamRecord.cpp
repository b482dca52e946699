#include "components/grid/formats/StreamRecord.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kSignature[] = {'T', 'P', 'F', '0'};
constexpr int kSignatureLength = sizeof kSignature;
enum : uint8_t { vtInt = 1, vtText = 2, vtFalse = 3, vtTrue = 4, vtFloat = 5, vtBinary = 6 };

[[noreturn]] void Refuse() { throw EStreamError("Stream read error"); }

}  // namespace

TStreamRecordWriter::TStreamRecordWriter(TStream& Stream, const char* ClassName)
    : stream_(Stream), out_(Stream) {
  stream_.WriteBuffer(kSignature, kSignatureLength);
  Name(ClassName);
}

// Names are short texts: a length byte and at most 255 characters.
void TStreamRecordWriter::Name(const char* Name) {
  uint8_t text[256];
  const std::size_t length = std::min<std::size_t>(std::strlen(Name), 255);
  text[0] = static_cast<uint8_t>(length);
  std::memcpy(text + 1, Name, length);
  stream_.WriteBuffer(text, static_cast<int64_t>(length + 1));
}

void TStreamRecordWriter::Int(const char* Name, int32_t Value) {
  this->Name(Name);
  out_.Byte(vtInt);
  out_.Int(Value);
}

void TStreamRecordWriter::Float(const char* Name, double Value) {
  this->Name(Name);
  out_.Byte(vtFloat);
  uint64_t bits;
  std::memcpy(&bits, &Value, sizeof bits);
  out_.Int(static_cast<int32_t>(static_cast<uint32_t>(bits)));
  out_.Int(static_cast<int32_t>(static_cast<uint32_t>(bits >> 32)));
}

void TStreamRecordWriter::Text(const char* Name, const AnsiString& Value) {
  this->Name(Name);
  out_.Byte(vtText);
  out_.Text(Value);
}

void TStreamRecordWriter::Binary(const char* Name, const std::vector<uint8_t>& Value) {
  this->Name(Name);
  out_.Byte(vtBinary);
  out_.Int(static_cast<int32_t>(Value.size()));
  if (!Value.empty()) stream_.WriteBuffer(Value.data(), static_cast<int64_t>(Value.size()));
}

void TStreamRecordWriter::Bool(const char* Name, bool Value) {
  this->Name(Name);
  out_.Byte(Value ? vtTrue : vtFalse);
}

TStreamRecordReader::TStreamRecordReader(TStream& Stream, const char* ClassName)
    : stream_(Stream), in_(Stream) {
  char signature[kSignatureLength];
  stream_.ReadBuffer(signature, kSignatureLength);
  if (std::memcmp(signature, kSignature, kSignatureLength) != 0) Refuse();
  Expect(ClassName);
}

void TStreamRecordReader::Expect(const char* Text) {
  const std::size_t length = std::min<std::size_t>(std::strlen(Text), 255);
  if (in_.Byte() != length) Refuse();
  char read[255];
  stream_.ReadBuffer(read, static_cast<int64_t>(length));
  if (std::memcmp(read, Text, length) != 0) Refuse();
}

uint8_t TStreamRecordReader::ValueType(const char* Name) {
  Expect(Name);
  return in_.Byte();
}

int32_t TStreamRecordReader::Int(const char* Name) {
  if (ValueType(Name) != vtInt) Refuse();
  return in_.Int();
}

double TStreamRecordReader::Float(const char* Name) {
  if (ValueType(Name) != vtFloat) Refuse();
  const uint64_t low = static_cast<uint32_t>(in_.Int());
  const uint64_t bits = low | (static_cast<uint64_t>(static_cast<uint32_t>(in_.Int())) << 32);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
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

std::vector<uint8_t> TStreamRecordReader::Binary(const char* Name) {
  if (ValueType(Name) != vtBinary) Refuse();
  std::vector<uint8_t> value(static_cast<std::size_t>(in_.Count(1)));
  if (!value.empty()) stream_.ReadBuffer(value.data(), static_cast<int64_t>(value.size()));
  return value;
}

void TStreamRecordReader::End() {
  if (in_.Byte() != 0) Refuse();
}
