#include "components/grid/formats/StreamRecord.h"

#include <algorithm>
#include <cstring>

TStreamRecordWriter::TStreamRecordWriter(TStream& Stream, std::string_view ClassName)
    : stream_(Stream) {
  Put(kRecordSignature.data(), kRecordSignature.size());
  Name(ClassName);
}

void TStreamRecordWriter::Spill(const void* Data, std::size_t Count) {
  if (!spilled_) heap_.assign(local_.data(), size_);
  spilled_ = true;
  heap_.append(static_cast<const char*>(Data), Count);
  size_ += Count;
}

void TStreamRecordWriter::Int(int32_t Value) {
  uint8_t bytes[4];
  StoreLittleEndian32(static_cast<uint32_t>(Value), bytes);
  Put(bytes, sizeof bytes);
}

// Names are short texts: a length byte and at most 255 characters.
void TStreamRecordWriter::Name(std::string_view Name) {
  Name = Name.substr(0, 255);
  Byte(static_cast<uint8_t>(Name.size()));
  Put(Name.data(), Name.size());
}

void TStreamRecordWriter::End() {
  Byte(0);
  stream_.WriteBuffer(spilled_ ? heap_.data() : local_.data(), static_cast<int64_t>(size_));
  heap_.clear();
  size_ = 0;
  spilled_ = false;
}

void TStreamRecordWriter::Int(std::string_view Name, int32_t Value) {
  this->Name(Name);
  Byte(StreamValue::Int);
  Int(Value);
}

void TStreamRecordWriter::Float(std::string_view Name, double Value) {
  this->Name(Name);
  Byte(StreamValue::Float);
  uint64_t bits;
  std::memcpy(&bits, &Value, sizeof bits);
  Int(static_cast<int32_t>(static_cast<uint32_t>(bits)));
  Int(static_cast<int32_t>(static_cast<uint32_t>(bits >> 32)));
}

void TStreamRecordWriter::Text(std::string_view Name, const AnsiString& Value) {
  this->Name(Name);
  Byte(StreamValue::Text);
  Int(static_cast<int32_t>(Value.size()));
  Put(Value.data(), Value.size());
}

void TStreamRecordWriter::Binary(std::string_view Name, const std::vector<uint8_t>& Value) {
  this->Name(Name);
  Byte(StreamValue::Binary);
  Int(static_cast<int32_t>(Value.size()));
  if (!Value.empty()) Put(Value.data(), Value.size());
}

void TStreamRecordWriter::Bool(std::string_view Name, bool Value) {
  this->Name(Name);
  Byte(Value ? StreamValue::True : StreamValue::False);
}

TStreamRecordReader::TStreamRecordReader(TStream& Stream, std::string_view ClassName)
    : stream_(Stream),
      start_(Stream.GetPosition()),
      size_(static_cast<uint64_t>(std::max<int64_t>(Stream.GetSize() - start_, 0))) {
  const uint8_t* contents = size_ > 0 ? Stream.Contents() : nullptr;
  if (contents) {
    data_ = reinterpret_cast<const char*>(contents) + start_;
    have_ = static_cast<std::size_t>(size_);
  }
  const std::size_t signature = kRecordSignature.size();
  if (std::string_view(Take(signature), signature) != kRecordSignature) Refuse();
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
  char* buffer = local_.data();
  if (have_ + more > local_.size()) {
    if (data_ == local_.data()) heap_.assign(local_.data(), have_);
    heap_.resize(have_ + more);
    buffer = heap_.data();
  }
  stream_.ReadBuffer(buffer + have_, static_cast<int64_t>(more));
  data_ = buffer;
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

void TStreamRecordReader::Expect(std::string_view Text) {
  Text = Text.substr(0, 255);
  if (Byte() != Text.size()) Refuse();
  if (std::memcmp(Take(Text.size()), Text.data(), Text.size()) != 0) Refuse();
}

uint8_t TStreamRecordReader::ValueType(std::string_view Name) {
  Expect(Name);
  return Byte();
}

int32_t TStreamRecordReader::Int(std::string_view Name) {
  if (ValueType(Name) != StreamValue::Int) Refuse();
  return Int();
}

double TStreamRecordReader::Float(std::string_view Name) {
  if (ValueType(Name) != StreamValue::Float) Refuse();
  const uint64_t low = static_cast<uint32_t>(Int());
  const uint64_t bits = low | (static_cast<uint64_t>(static_cast<uint32_t>(Int())) << 32);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

AnsiString TStreamRecordReader::Text(std::string_view Name) {
  if (ValueType(Name) != StreamValue::Text) Refuse();
  const std::size_t length = Length();
  return AnsiString(Take(length), length);
}

bool TStreamRecordReader::Bool(std::string_view Name) {
  const uint8_t type = ValueType(Name);
  if (type != StreamValue::False && type != StreamValue::True) Refuse();
  return type == StreamValue::True;
}

std::vector<uint8_t> TStreamRecordReader::Binary(std::string_view Name) {
  if (ValueType(Name) != StreamValue::Binary) Refuse();
  const std::size_t length = Length();
  const auto* bytes = reinterpret_cast<const uint8_t*>(Take(length));
  return std::vector<uint8_t>(bytes, bytes + length);
}

void TStreamRecordReader::End() {
  if (Byte() != 0) Refuse();
  stream_.SetPosition(start_ + static_cast<int64_t>(used_));
}
