#include "components/grid/formats/BinaryStream.h"

namespace {
constexpr int kIntBytes = 4;
}  // namespace

void BinaryWriter::Int(int32_t Value) {
  uint8_t bytes[kIntBytes];
  StoreLittleEndian32(static_cast<uint32_t>(Value), bytes);
  Bytes(bytes, kIntBytes);
}

void BinaryWriter::Text(const AnsiString& Value) {
  Int(static_cast<int32_t>(Value.size()));
  Bytes(Value.data(), Value.size());
}

void BinaryReader::Refuse() { throw EStreamError("Stream read error"); }

int64_t BinaryReader::Left() { return stream_.GetSize() - stream_.GetPosition(); }

int32_t BinaryReader::Int() {
  uint8_t bytes[kIntBytes];
  stream_.ReadBuffer(bytes, kIntBytes);
  return static_cast<int32_t>(LittleEndian32(bytes));
}

uint8_t BinaryReader::Byte() {
  uint8_t value;
  stream_.ReadBuffer(&value, 1);
  return value;
}

bool BinaryReader::Bool() {
  const uint8_t value = Byte();
  if (value > 1) Refuse();
  return value == 1;
}

AnsiString BinaryReader::Text() {
  const int length = Count(1);
  AnsiString value(static_cast<size_t>(length), '\0');
  stream_.ReadBuffer(value.data(), length);
  return value;
}

int BinaryReader::Count(int MinBytes) {
  const int32_t count = Int();
  if (count < 0 || static_cast<int64_t>(count) * MinBytes > Left()) Refuse();
  return count;
}
