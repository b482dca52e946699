// The record scrambling modes kept in header byte 15: 0 plain, 1 and 2 (and above 3) every
// byte shifted by one, 3 shifted, then run through a chain of replacements and mirrored.
#include <array>

#include "engine/DbaseTable.h"

namespace {

using Table = std::array<uint8_t, 256>;

// Each test sees the result of the one before, as the stored files were written.
uint8_t StoreChain(uint8_t b) {
  if (b == ' ') b = 0x00;
  if (b == 'e') b = ' ';
  if (b == 'i') b = 'e';
  if (b == 'x') b = 'i';
  if (b == '=') b = 'x';
  if (b == '<') b = '=';
  return static_cast<uint8_t>(255 - b);
}

uint8_t LoadChain(uint8_t b) {
  b = static_cast<uint8_t>(255 - b);
  if (b == '=') b = '<';
  if (b == 'x') b = '=';
  if (b == 'i') b = 'x';
  if (b == 'e') b = 'i';
  if (b == ' ') b = 'e';
  if (b == 0x00) b = ' ';
  return b;
}

struct Tables {
  Table store[2];  // [0] shifted, [1] shifted and substituted (mode 3)
  Table load[2];
  Tables() {
    for (int i = 0; i < 256; ++i) {
      auto b = static_cast<uint8_t>(i);
      store[0][i] = static_cast<uint8_t>(b + 1);
      load[0][i] = static_cast<uint8_t>(b - 1);
      store[1][i] = StoreChain(static_cast<uint8_t>(b + 1));
      load[1][i] = static_cast<uint8_t>(LoadChain(b) - 1);
    }
  }
};

const Table& For(bool store, uint8_t mode) {
  static const Tables tables;
  int kind = mode == 3 ? 1 : 0;
  return store ? tables.store[kind] : tables.load[kind];
}

void Map(const Table& table, const char* from, char* to, std::size_t length) {
  for (std::size_t i = 1; i < length; ++i)
    to[i] = static_cast<char>(table[static_cast<uint8_t>(from[i])]);
}

}  // namespace

void DbaseScramble(uint8_t mode, const char* plain, char* stored, std::size_t length) {
  if (length == 0) return;
  stored[0] = plain[0];
  if (mode == 0) {
    std::copy(plain + 1, plain + length, stored + 1);
    return;
  }
  Map(For(true, mode), plain, stored, length);
}

void DbaseUnscramble(uint8_t mode, char* record, std::size_t length) {
  if (mode != 0) Map(For(false, mode), record, record, length);
}
