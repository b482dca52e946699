// Opening and closing a table and its memo header. A file that is not a sound dBase table is
// refused before anything is kept, so no later read or write can leave a buffer.
#include <filesystem>
#include <new>
#include <utility>

#include "engine/DbaseFile.h"
#include "engine/DbaseTable.h"
#include "platform/controls/dialogs.h"
#include "platform/core/files.h"

namespace {

constexpr int kHeaderSize = 32;
constexpr int kDescriptorSize = 32;

FilePtr OpenTableStream(const AnsiString& name) {
  int error = 0;
  int handle = DbaseOpenHandle(name, error);
  if (handle < 0) ShowMessage("Fehler: \xF6" "ffnen handle: " + name + ": " + DbaseErrorText(error));
  FilePtr stream = handle < 0 ? nullptr : DbaseStreamOver(handle);
  if (!stream) ShowMessage("Fehler: \xF6" "ffnen Datei " + name);
  return stream;
}

// The header and field table as read from the file, checked before any of it is kept.
struct Layout {
  uint8_t head[kHeaderSize];
  std::vector<uint8_t> descriptors;
  int fields = 0;
};

uint8_t FieldLength(const Layout& l, int i) { return l.descriptors[i * kDescriptorSize + 16]; }

// Empty when the file can be opened as a table, else what is wrong with it.
AnsiString CheckLayout(int handle, Layout& l) {
  if (DbaseReadAt(handle, 0, l.head, kHeaderSize) < kHeaderSize)
    return "Datei ist k\xFCrzer als der Dateikopf (32 Bytes)";
  uint16_t headerLength = DbaseU16(l.head + 8);
  uint16_t recordLength = DbaseU16(l.head + 10);
  off_t size = DbaseFileSize(handle);
  if (headerLength < kHeaderSize + 1)
    return "Kopfl\xE4nge " + IntToStr(headerLength) + " ist kleiner als 33";
  if (headerLength > size)
    return "Kopfl\xE4nge " + IntToStr(headerLength) + " reicht \xFC" "ber das Dateiende (" +
           IntToStr(size) + " Bytes)";
  l.fields = (headerLength - kHeaderSize - 1) / kDescriptorSize;
  if (l.fields > 255) return IntToStr(l.fields) + " Felder, h\xF6" "chstens 255 sind m\xF6glich";
  if (recordLength == 0) return "Satzl\xE4nge ist 0";
  l.descriptors.resize(static_cast<std::size_t>(l.fields) * kDescriptorSize);
  if (DbaseReadAt(handle, kHeaderSize, l.descriptors.data(), l.descriptors.size()) <
      l.descriptors.size())
    return "Feldtabelle ist nicht lesbar";
  long needed = 1;
  for (int i = 0; i < l.fields; ++i) needed += FieldLength(l, i);
  if (needed > recordLength)
    return "Satzl\xE4nge " + IntToStr(recordLength) + " ist kleiner als 1 + Summe der Feldl\xE4ngen (" +
           IntToStr(needed) + ")";
  return "";
}

// The part after the last folder separator; one at position 0 does not count.
AnsiString BaseName(const AnsiString& name) {
  std::size_t cut = name.find_last_of("\\/");
  return cut == AnsiString::npos || cut == 0 ? name : name.substr(cut + 1);
}

// Absolute, so that a later change of the working folder does not make it name another file.
std::string AbsolutePath(const AnsiString& name) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(NativePath(name), error);
  return error ? NativePath(name) : path.string();
}

void Allocate(DbaseTable& t, std::vector<char>& buffer, const char* member, std::size_t size) {
  try {
    buffer.assign(size, 0);
  } catch (const std::bad_alloc&) {
    buffer = {};
    AnsiString p = t.prefix;
    ShowMessage(p + "_open: " + p + member + " = calloc, " + p + "_lengthofrecord:" +
                IntToStr(static_cast<int64_t>(size)));
  }
}

void KeepFields(DbaseTable& t, const Layout& l) {
  std::size_t entries = static_cast<std::size_t>(l.fields) + 1;
  t.feldname.assign(entries, {});
  t.feldtyp.assign(entries, 0);
  t.feldadresse.assign(entries, 0);
  t.feldlength.assign(entries, 0);
  t.feldkommastellen.assign(entries, 0);
  t.feldoffset.assign(entries, 0);
  for (int i = 0; i < l.fields; ++i) {
    const uint8_t* d = l.descriptors.data() + i * kDescriptorSize;
    std::copy(d, d + 11, t.feldname[i].begin());
    t.feldtyp[i] = static_cast<char>(d[11]);
    t.feldadresse[i] = DbaseU32(d + 12);
    t.feldlength[i] = d[16];
    t.feldkommastellen[i] = d[17];
  }
  // Modes 2 and above leave the record's last byte to no field.
  if (t.modus >= 2 && l.fields > 0 && t.feldlength[0] > 0) --t.feldlength[0];
  t.feldoffset[0] = 1;
  for (int i = 1; i < l.fields; ++i) t.feldoffset[i] = t.feldoffset[i - 1] + t.feldlength[i - 1];
}

void KeepHeader(DbaseTable& t, const Layout& l) {
  t.version = l.head[0];
  std::copy(l.head + 1, l.head + 4, t.datum.begin());
  t.anzahldatensaetze = DbaseU32(l.head + 4);
  t.headerlength = DbaseU16(l.head + 8);
  t.lengthofrecord = DbaseU16(l.head + 10);
  t.modus = l.head[15];
  t.anzahldatenfelder = static_cast<uint8_t>(l.fields);
}

// The header and fields that the table's records are read by: a file that has the same
// can take the open one's place.
bool SameLayout(const DbaseTable& t, const Layout& l) {
  DbaseTable fresh;
  KeepHeader(fresh, l);
  KeepFields(fresh, l);
  return fresh.headerlength == t.headerlength && fresh.lengthofrecord == t.lengthofrecord &&
         fresh.modus == t.modus && fresh.feldname == t.feldname && fresh.feldtyp == t.feldtyp &&
         fresh.feldlength == t.feldlength && fresh.feldkommastellen == t.feldkommastellen;
}

void OpenMemoOf(DbaseTable& t, const AnsiString& name) {
  if (t.version >= 0x80 && name.size() > 4) DbaseMemoOpen(t, name.substr(0, name.size() - 4) + ".dbt");
}

}  // namespace

int DbaseOpen(DbaseTable& t, const AnsiString& name) {
  DbaseClose(t);
  FilePtr stream = OpenTableStream(name);
  if (!stream) return 0;
  Layout layout;
  AnsiString fault = CheckLayout(fileno(stream.get()), layout);
  if (!fault.empty()) {
    stream.reset();
    ShowMessage("Fehler: " + AnsiString(t.prefix) + "_open: " + name + ": " + fault);
    return 0;
  }
  t.handle = fileno(stream.get());
  t.datei = std::move(stream);
  t.dateiname = BaseName(name);
  t.pfad = AbsolutePath(name);
  KeepHeader(t, layout);
  OpenMemoOf(t, name);
  KeepFields(t, layout);
  Allocate(t, t.record, "_record", t.lengthofrecord);
  Allocate(t, t.record_temp, "_record_temp", t.lengthofrecord);
  if (t.hasWindow)
    Allocate(t, t.recordMulti, "_recordMulti", std::size_t{kDbaseWindowRecords} * t.lengthofrecord);
  t.cachestart = kDbaseWindowEmpty;
  DbaseMarkChange(t);
  return 1;
}

void DbaseClose(DbaseTable& t) {
  DbaseMarkChange(t);
  t.datei.reset();
  t.handle = -1;
  t.feldname = {};
  t.feldtyp = {};
  t.feldadresse = {};
  t.feldlength = {};
  t.feldkommastellen = {};
  t.feldoffset = {};
  t.record = {};
  t.record_temp = {};
  t.recordMulti = {};
  DbaseMemoClose(t);
  t.version = 0;
  t.headerlength = 0;
  t.lengthofrecord = 0;
  t.anzahldatenfelder = 0;
  t.anzahldatensaetze = 0;
  t.dateiname.clear();
  t.pfad.clear();
  t.cachestart = kDbaseWindowEmpty;
}

bool DbaseFollowPath(DbaseTable& t) {
  if (!t.datei || DbaseSameFile(t.handle, t.pfad)) return true;
  int error = 0;
  const int handle = DbaseOpenHandle(t.pfad, error);
  FilePtr stream = handle < 0 ? nullptr : DbaseStreamOver(handle);
  Layout layout;
  if (!stream || !CheckLayout(fileno(stream.get()), layout).empty() || !SameLayout(t, layout))
    return false;
  t.handle = fileno(stream.get());
  t.datei = std::move(stream);
  KeepHeader(t, layout);
  DbaseMemoClose(t);
  OpenMemoOf(t, t.pfad);
  t.cachestart = kDbaseWindowEmpty;
  DbaseMarkChange(t);
  return true;
}

int DbaseMemoOpen(DbaseTable& t, const AnsiString& name) {
  DbaseMemoClose(t);
  int error = 0;
  int handle = DbaseOpenHandle(name, error);
  FilePtr stream = handle < 0 ? nullptr : DbaseStreamOver(handle);
  AnsiString failure = "Fehler: " + AnsiString(t.prefix) + "_dbtopen: " + name;
  if (!stream) {
    ShowMessage(failure);
    return -1;
  }
  uint8_t head[24];
  if (DbaseReadAt(fileno(stream.get()), 0, head, sizeof head) < sizeof head) {
    stream.reset();
    ShowMessage(failure + ": Dateikopf ist unvollst\xE4ndig");
    return -1;
  }
  t.dbtdatei = std::move(stream);
  t.dbtnaechster = DbaseU32(head);
  t.dbtblockgroesse = DbaseU32(head + 20);
  return 0;
}

void DbaseMemoClose(DbaseTable& t) { t.dbtdatei.reset(); }
