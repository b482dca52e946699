// Little-endian values on a byte stream, for the grid's settings streams: 32-bit integers,
// bytes, Booleans and texts (a 32-bit length and the bytes). A reader raises EStreamError
// ("Stream read error") when the stream ends early, and refuses a text or a count longer than
// what the stream has left, so a damaged length never makes it allocate.
#pragma once

#include <cstdint>

#include "platform/core/stream.h"
#include "platform/core/text.h"

// The 32-bit little-endian integer at Bytes.
inline uint32_t LittleEndian32(const uint8_t* Bytes) {
  return Bytes[0] | uint32_t{Bytes[1]} << 8 | uint32_t{Bytes[2]} << 16 | uint32_t{Bytes[3]} << 24;
}

// Value as the 4 little-endian bytes at Bytes.
inline void StoreLittleEndian32(uint32_t Value, uint8_t* Bytes) {
  for (int i = 0; i < 4; ++i) Bytes[i] = static_cast<uint8_t>(Value >> (8 * i));
}

// Writes to a stream, or appends to a buffer that goes to a stream whole (many small writes
// to a stream cost more than the bytes do).
class BinaryWriter {
 public:
  explicit BinaryWriter(TStream& Stream) : stream_(&Stream) {}
  explicit BinaryWriter(AnsiString& Buffer) : buffer_(&Buffer) {}
  void Int(int32_t Value);
  void Byte(uint8_t Value) { Bytes(&Value, 1); }
  void Bool(bool Value) { Byte(Value ? 1 : 0); }
  void Text(const AnsiString& Value);
  void Bytes(const void* Data, std::size_t Count) {
    if (buffer_)
      buffer_->append(static_cast<const char*>(Data), Count);
    else
      stream_->WriteBuffer(Data, static_cast<int64_t>(Count));
  }

 private:
  TStream* stream_ = nullptr;
  AnsiString* buffer_ = nullptr;
};

class BinaryReader {
 public:
  explicit BinaryReader(TStream& Stream) : stream_(Stream) {}
  int32_t Int();
  uint8_t Byte();
  // A byte of 0 or 1.
  bool Bool();
  // A byte not above Last: a value of an enumeration that ends with Last.
  template <typename Enum>
  Enum Choice(Enum Last) {
    const uint8_t value = Byte();
    if (value > static_cast<uint8_t>(Last)) Refuse();
    return static_cast<Enum>(value);
  }
  AnsiString Text();
  // A count of things that take at least MinBytes each of what is left.
  int Count(int MinBytes);

 private:
  TStream& stream_;

  int64_t Left();
  [[noreturn]] static void Refuse();
};
