#include "components/grid/formats/StreamRecord.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kSignature[] = {'T', 'P', 'F', '0'};
constexpr int kSignatureLength = sizeof kSignature;
// What a record of a cell usually takes.
constexpr std::size_t kTypicalRecord = 128;
enum : uint8_t { vtInt = 1, vtText = 2, vtFalse = 3, vtTrue = 4, vtFloat = 5, vtBinary = 6 };

}  // namespace

TStreamRecordWriter::TStreamRecordWriter(TStream& Stream, const char* ClassName) : stream_(Stream) {
  bytes_.reserve(kTypicalRecord);
  out_.Bytes(kSignature, kSignatureLength);
  Name(ClassName);
}

// Names are short texts: a length byte and at most 255 characters.
void TStreamRecordWriter::Name(const char* Name) {
  const std::size_t length = std::min<std::size_t>(std::strlen(Name), 255);
  out_.Byte(static_cast<uint8_t>(length));
  out_.Bytes(Name, length);
}

void TStreamRecordWriter::End() {
  out_.Byte(0);
  stream_.WriteBuffer(bytes_.data(), static_cast<int64_t>(bytes_.size()));
  bytes_.clear();
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
  out_.Bytes(Value.data(), Value.size());
}

void TStreamRecordWriter::Bool(const char* Name, bool Value) {
  this->Name(Name);
  out_.Byte(Value ? vtTrue : vtFalse);
}

TStreamRecordReader::TStreamRecordReader(TStream& Stream, const char* ClassName)
    : stream_(Stream),
      start_(Stream.GetPosition()),
      size_(static_cast<uint64_t>(std::max<int64_t>(Stream.GetSize() - start_, 0))) {
  if (std::memcmp(Take(kSignatureLength), kSignature, kSignatureLength) != 0) Refuse();
  Expect(ClassName);
}

// The next Count bytes of the record; the stream ending before them refuses it.
const char* TStreamRecordReader::Take(std::size_t Count) {
  if (Count > size_ - used_) Refuse();
  if (Count > have_ - used_) ReadMore(Count - (have_ - used_));
  used_ += Count;
  return data_ + used_ - Count;
}

void TStreamRecordReader::ReadMore(std::size_t Missing) {
  const std::size_t more = std::min<uint64_t>(std::max(Missing, kReadAhead), size_ - have_);
  if (have_ + more > local_.size()) {
    if (data_ == local_.data()) heap_.assign(local_.data(), have_);
    heap_.resize(have_ + more);
    data_ = heap_.data();
  }
  stream_.ReadBuffer(data_ + have_, static_cast<int64_t>(more));
  have_ += more;
}

int32_t TStreamRecordReader::Int() {
  return static_cast<int32_t>(LittleEndian32(reinterpret_cast<const uint8_t*>(Take(4))));
}

// A text's or binary value's length, refused when the stream does not hold that many bytes.
std::size_t TStreamRecordReader::Length() {
  const int32_t length = Int();
  if (length < 0 || static_cast<uint64_t>(length) > size_ - used_) Refuse();
  return static_cast<std::size_t>(length);
}

// The stream is left after what was read of the record, as a reader without read-ahead would.
void TStreamRecordReader::Refuse() {
  stream_.SetPosition(start_ + static_cast<int64_t>(used_));
  throw EStreamError("Stream read error");
}

void TStreamRecordReader::Expect(const char* Text) {
  const std::size_t length = std::min<std::size_t>(std::strlen(Text), 255);
  if (Byte() != length) Refuse();
  if (std::memcmp(Take(length), Text, length) != 0) Refuse();
}

uint8_t TStreamRecordReader::ValueType(const char* Name) {
  Expect(Name);
  return Byte();
}

int32_t TStreamRecordReader::Int(const char* Name) {
  if (ValueType(Name) != vtInt) Refuse();
  return Int();
}

double TStreamRecordReader::Float(const char* Name) {
  if (ValueType(Name) != vtFloat) Refuse();
  const uint64_t low = static_cast<uint32_t>(Int());
  const uint64_t bits = low | (static_cast<uint64_t>(static_cast<uint32_t>(Int())) << 32);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

AnsiString TStreamRecordReader::Text(const char* Name) {
  if (ValueType(Name) != vtText) Refuse();
  const std::size_t length = Length();
  return AnsiString(Take(length), length);
}

bool TStreamRecordReader::Bool(const char* Name) {
  const uint8_t type = ValueType(Name);
  if (type != vtFalse && type != vtTrue) Refuse();
  return type == vtTrue;
}

std::vector<uint8_t> TStreamRecordReader::Binary(const char* Name) {
  if (ValueType(Name) != vtBinary) Refuse();
  const std::size_t length = Length();
  const auto* bytes = reinterpret_cast<const uint8_t*>(Take(length));
  return std::vector<uint8_t>(bytes, bytes + length);
}

void TStreamRecordReader::End() {
  if (Byte() != 0) Refuse();
  stream_.SetPosition(start_ + static_cast<int64_t>(used_));
}
