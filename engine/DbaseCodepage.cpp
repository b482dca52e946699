// The umlauts between the DOS (OEM) and the Windows (ANSI) code page; other bytes stay.
#include <array>

#include "engine/DbaseText.h"

namespace {

using Map = std::array<uint8_t, 256>;

constexpr uint8_t kOem[] = {0x81, 0x84, 0x8E, 0x94, 0x99, 0x9A, 0xE1};
constexpr uint8_t kAnsi[] = {0xFC, 0xE4, 0xC4, 0xF6, 0xD6, 0xDC, 0xDF};

constexpr Map Build(const uint8_t* from, const uint8_t* to) {
  Map map{};
  for (int i = 0; i < 256; ++i) map[i] = static_cast<uint8_t>(i);
  for (std::size_t i = 0; i < sizeof kOem; ++i) map[from[i]] = to[i];
  return map;
}

constexpr Map kOemToAnsi = Build(kOem, kAnsi);
constexpr Map kAnsiToOem = Build(kAnsi, kOem);

void Convert(const Map& map) {
  for (int i = 0; i < kDbaseTextSize && dbase_text[i] != '\0'; ++i)
    dbase_text[i] = static_cast<char>(map[static_cast<uint8_t>(dbase_text[i])]);
}

}  // namespace

void dbase_oemnachansi() { Convert(kOemToAnsi); }

char DbaseShownChar(char stored, uint8_t zeichensatz) {
  const auto byte = static_cast<uint8_t>(stored);
  if (zeichensatz == 1) return static_cast<char>(kAnsiToOem[byte]);
  if (zeichensatz == 2) return static_cast<char>(kOemToAnsi[byte]);
  return stored;
}

void dbase_ansinachoem() { Convert(kAnsiToOem); }
