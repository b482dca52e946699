// Saved queries (.dba): the 28 slots of 20 bytes, the two descriptions of 160 bytes, the
// table's file name as a line and the list tab as a typed integer.
#include <cerrno>
#include <cstdio>
#include <vector>

#include "engine/DbaseQuerySlots.h"
#include "engine/dbase.h"
#include "platform/core/c_handle.h"
#include "platform/core/files.h"
#include "platform/core/whole_file.h"

namespace {

constexpr std::size_t kSavedDescription = 160;
constexpr int kHighestTab = 20;

// The text, its NUL and zeros up to the record's size.
void WriteRecord(FILE* datei, const AnsiString& text, std::size_t size) {
  std::vector<char> record(size);
  DbaseSetFixedText(record.data(), size, text);
  std::fwrite(record.data(), 1, size, datei);
}

// The text up to the record's NUL; bytes the file does not hold count as zeros.
AnsiString ReadRecord(FILE* datei, std::size_t size) {
  std::vector<char> record(size);
  std::size_t got = std::fread(record.data(), 1, size, datei);
  return AnsiString(record.data(), strnlen(record.data(), got));
}

// Written whole beside the old file and moved over it: a failed save keeps the last good
// query and leaves no cut or empty file. 0, or the errno of the failure.
int WriteSavedQuery(const AnsiString& name) {
  TWholeFile file(name);
  if (!file.Ok()) return file.Error();
  FILE* datei = file.Stream();
  for (int k = 0; k < kDbaseSlots; ++k) WriteRecord(datei, DbaseSlot(k), kDbaseSlotSize);
  for (const char* beschreibung : dbase_beschreibung)
    WriteRecord(datei, DbaseFixedText(beschreibung, kDbaseDescriptionSize), kSavedDescription);
  dbase_ansinachchar(dbase_text, dbase_dateiname);
  dbase_zeileschreiben(datei);
  dbase_intschreiben(dbase_reiter, datei);
  return file.Commit() ? 0 : file.Error();
}

}  // namespace

int dbase_abfragespeichern(const AnsiString& name) {
  // Set once the file is gone: removing an uncommitted one may change errno.
  const int error = WriteSavedQuery(name);
  errno = error;
  return error == 0 ? 0 : -1;
}

int dbase_abfrageladen(const AnsiString& name) {
  FilePtr file(std::fopen(NativePath(name).c_str(), "rb"));
  if (!file) return -2;
  FILE* datei = file.get();
  for (char* slot : dbase_abfragetext)
    DbaseSetFixedText(slot, kDbaseSlotSize, ReadRecord(datei, kDbaseSlotSize));
  for (char* beschreibung : dbase_beschreibung)
    DbaseSetFixedText(beschreibung, kDbaseDescriptionSize, ReadRecord(datei, kSavedDescription));
  dbase_zeilelesen(datei);
  AnsiString tabelle = dbase_text;
  dbase_reiter = dbase_intlesen(datei);
  // The list window picks its tab by this number: one it does not have means the first.
  if (dbase_reiter < 0 || dbase_reiter > kHighestTab) dbase_reiter = 0;
  return tabelle == dbase_dateiname ? 0 : -1;
}
