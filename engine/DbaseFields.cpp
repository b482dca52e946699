// A field of the current record as the text the windows show, and such a text back into the
// field's stored bytes, by dBase field type.
#include <algorithm>
#include <cstring>

#include "engine/DbaseTable.h"
#include "engine/DbaseText.h"
#include "platform/controls/dialogs.h"

namespace {

// Reports an invalid field number; also refuses a field the record buffer does not hold.
bool FieldAvailable(const DbaseTable& t, int n) {
  if (DbaseFieldHeld(t, n)) return true;
  if (n < 0 || n >= t.anzahldatenfelder) {
    AnsiString p = t.prefix;
    ShowMessage(p + "_tr: Feldnummer>=" + p + "_anzahldatenfelder: " + IntToStr(n));
  }
  return false;
}

std::size_t TextLength() { return strnlen(dbase_text, kDbaseTextSize - 1); }

void ShownText(uint8_t zeichensatz) {
  std::size_t end = TextLength();
  while (end > 0 && dbase_text[end - 1] == ' ') --end;
  dbase_text[end] = '\0';
  if (zeichensatz == 1) dbase_ansinachoem();
  if (zeichensatz == 2) dbase_oemnachansi();
}

// YYYYMMDD becomes DD.MM.YYYY; a field shorter than 8 counts as blank-padded.
void ShownDate(std::size_t length) {
  char s[8];
  for (std::size_t i = 0; i < 8; ++i) s[i] = i < length ? dbase_text[i] : ' ';
  const char shown[11] = {s[6], s[7], '.', s[4], s[5], '.', s[0], s[1], s[2], s[3], '\0'};
  std::memcpy(dbase_text, shown, sizeof shown);
}

void ShownLogical() {
  std::strcpy(dbase_text, DbaseLogicalYes(dbase_text[0]) ? "ja" : "nein");
}

void ShownNumber() {
  int dot = dbase_zeichensuchen('.');
  if (dot >= 0 && DecimalSeparator == ',') dbase_text[dot] = ',';
  std::size_t start = 0;
  while (dbase_text[start] == ' ') ++start;
  std::memmove(dbase_text, dbase_text + start, TextLength() - start + 1);
}

// `text` left-aligned in `out`, blank-padded or cut to the field length.
void LeftAligned(char* out, const char* text, std::size_t textLength, std::size_t length) {
  std::size_t kept = std::min(textLength, length);
  std::memcpy(out, text, kept);
  std::memset(out + kept, ' ', length - kept);
}

void StoredText(char* out, std::size_t length, uint8_t zeichensatz) {
  if (zeichensatz == 1) dbase_oemnachansi();
  if (zeichensatz == 2) dbase_ansinachoem();
  LeftAligned(out, dbase_text, TextLength(), length);
}

void StoredLogical(char* out, std::size_t length) {
  const char* stored = dbase_text[0] == 'j' || dbase_text[0] == 'J' ? "T" : "F";
  LeftAligned(out, stored, 1, length);
}

// DD.MM.YYYY becomes YYYYMMDD; missing characters of a shorter text count as blanks.
void StoredDate(char* out, std::size_t length) {
  char s[10];
  std::size_t textLength = TextLength();
  for (std::size_t i = 0; i < 10; ++i) s[i] = i < textLength ? dbase_text[i] : ' ';
  const char stored[8] = {s[6], s[7], s[8], s[9], s[3], s[4], s[0], s[1]};
  LeftAligned(out, stored, 8, length);
}

void StoredNumber(const DbaseTable& t, int n, char* out, std::size_t length) {
  if (DecimalSeparator == ',') {
    int comma = dbase_zeichensuchen(',');
    if (comma >= 0) dbase_text[comma] = '.';
  }
  std::size_t textLength = TextLength();
  if (textLength > length) {
    AnsiString p = t.prefix;
    ShowMessage(p + "_tr: Zahl (" + dbase_text + ") > " + p + "_feldlength(" +
                IntToStr(length) + "),  Feld: " + IntToStr(n));
    std::memcpy(out, dbase_text, length);
    return;
  }
  std::memset(out, ' ', length - textLength);
  std::memcpy(out + length - textLength, dbase_text, textLength);
}

}  // namespace

int DbaseFieldRead(DbaseTable& t, int n, uint8_t zeichensatz) {
  dbase_text[0] = '\0';
  if (!FieldAvailable(t, n)) return 0;
  if (DbaseShowsEmpty(t)) return -1;
  std::size_t length = t.feldlength[n];
  std::memcpy(dbase_text, t.record.data() + t.feldoffset[n], length);
  dbase_text[length] = '\0';
  switch (t.feldtyp[n]) {
    case 'C': ShownText(zeichensatz); break;
    case 'D': ShownDate(length); break;
    case 'L': ShownLogical(); break;
    case 'N': ShownNumber(); break;
    default: break;
  }
  return 1;
}

std::string_view DbaseTextFieldStart(const DbaseTable& t, int n, uint8_t zeichensatz, char* out,
                                     std::size_t cut) {
  if (!DbaseFieldHeld(t, n) || DbaseShowsEmpty(t)) return {};
  const std::size_t length = std::min<std::size_t>(t.feldlength[n], cut);
  const char* stored = t.record.data() + t.feldoffset[n];
  // A few characters: a loop costs less than calls.
  std::size_t end = 0;
  while (end < length && stored[end] != '\0') ++end;
  while (end > 0 && stored[end - 1] == ' ') --end;
  if (zeichensatz == 0) return {stored, end};
  for (std::size_t i = 0; i < end; ++i) out[i] = DbaseShownChar(stored[i], zeichensatz);
  return {out, end};
}

int DbaseFieldWrite(DbaseTable& t, int n, uint8_t zeichensatz) {
  if (!FieldAvailable(t, n)) return 0;
  dbase_text[kDbaseTextSize - 1] = '\0';
  std::size_t length = t.feldlength[n];
  char out[kDbaseTextSize];
  switch (t.feldtyp[n]) {
    case 'C': StoredText(out, length, zeichensatz); break;
    case 'L': StoredLogical(out, length); break;
    case 'D': StoredDate(out, length); break;
    case 'N': StoredNumber(t, n, out, length); break;
    default: LeftAligned(out, dbase_text, TextLength(), length); break;
  }
  std::memcpy(t.record.data() + t.feldoffset[n], out, length);
  return 1;
}
