// Typed values and lines of the side files, over the runtime's streams.
#include "engine/DbaseValues.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "engine/DbaseFile.h"
#include "engine/DbaseText.h"
#include "platform/controls/dialogs.h"

namespace {

bool ReadU32(FILE* datei, uint32_t& value) {
  uint8_t bytes[4];
  if (std::fread(bytes, 1, sizeof bytes, datei) != sizeof bytes) return false;
  value = DbaseU32(bytes);
  return true;
}

// The tag (read and not checked) and the stored length.
bool ReadHead(FILE* datei, uint32_t& length) {
  return std::fgetc(datei) != EOF && ReadU32(datei, length);
}

bool WriteValue(FILE* datei, char tag, const void* bytes, uint32_t length) {
  uint8_t head[5] = {static_cast<uint8_t>(tag)};
  DbasePutU32(head + 1, length);
  return std::fwrite(head, 1, sizeof head, datei) == sizeof head &&
         (length == 0 || std::fwrite(bytes, 1, length, datei) == length);
}

}  // namespace

int dbase_zeilelesen(FILE* datei) {
  int length = 0;
  int c = EOF;
  while ((c = std::fgetc(datei)) != EOF && c != '\r')
    if (length < kDbaseLineLength) dbase_text[length++] = static_cast<char>(c);
  dbase_text[length] = '\0';
  if (c == '\r') {
    std::fgetc(datei);
    return 0;
  }
  return length == kDbaseLineLength ? 0 : -1;
}

int dbase_zeileschreiben(FILE* datei) {
  std::size_t length = strnlen(dbase_text, kDbaseTextSize);
  bool written = std::fwrite(dbase_text, 1, length, datei) == length &&
                 std::fwrite("\r\n", 1, 2, datei) == 2;
  return written ? 0 : -1;
}

int dbase_intschreiben(int wert, FILE* datei) {
  uint8_t bytes[4];
  DbasePutU32(bytes, static_cast<uint32_t>(wert));
  WriteValue(datei, 'i', bytes, sizeof bytes);
  return 0;
}

int dbase_intlesen(FILE* datei) {
  uint32_t length = 0;
  uint32_t value = 0;
  if (!ReadHead(datei, length)) return 0;
  if (length != 4) {
    std::fseek(datei, static_cast<long>(length), SEEK_CUR);
    return 0;
  }
  return ReadU32(datei, value) ? static_cast<int>(value) : 0;
}

int dbase_ansischreiben(const AnsiString& text, FILE* datei) {
  if (WriteValue(datei, 'S', text.data(), static_cast<uint32_t>(text.size()))) return 0;
  ShowMessage("Fehler beim Speichern AnsiString: " + text);
  return -1;
}

// Read piece by piece, so that a damaged length never allocates more than the file holds.
AnsiString dbase_ansilesen(FILE* datei) {
  uint32_t length = 0;
  AnsiString text;
  if (!ReadHead(datei, length)) return text;
  char piece[4096];
  while (length > 0) {
    std::size_t wanted = std::min<std::size_t>(length, sizeof piece);
    std::size_t got = std::fread(piece, 1, wanted, datei);
    std::remove_copy(piece, piece + got, std::back_inserter(text), '\0');
    length -= static_cast<uint32_t>(got);
    if (got < wanted) break;
  }
  return text;
}
