// The state of one open dBase table and the operations on it. The engine keeps two such
// instances (the main table and the one for linked lookups); the table logic is written once
// here and the dbase_ globals of dbase.h name the members of the main instance.
#pragma once

#include <sys/types.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/c_handle.h"
#include "platform/core/text.h"

// A window start that no record number reaches: the read window holds nothing.
inline constexpr uint32_t kDbaseWindowEmpty = 99999999;
inline constexpr int kDbaseWindowRecords = 20;

struct DbaseTable {
  // "dbase" or "dbase2": the prefix of this instance's own messages.
  const char* prefix = "dbase";
  bool hasWindow = true;  // the lookup instance reads without a read window
  // The lookup instance reads records as the file holds them: not unscrambled, and a deleted
  // record reads like any other.
  bool asStored = false;

  FilePtr datei;
  int handle = -1;
  AnsiString dateiname;
  // The file's absolute path as it was opened: a write first checks that it still names the
  // open file.
  std::string pfad;

  uint8_t version = 0;
  std::array<uint8_t, 3> datum{};
  uint32_t anzahldatensaetze = 0;
  uint16_t headerlength = 0;
  uint16_t lengthofrecord = 0;
  uint8_t modus = 0;
  uint8_t anzahldatenfelder = 0;

  // Field count + 1 entries each while a table is open.
  std::vector<std::array<char, 12>> feldname;
  std::vector<char> feldtyp;
  std::vector<uint32_t> feldadresse;
  std::vector<uint8_t> feldlength;
  std::vector<uint8_t> feldkommastellen;
  std::vector<uint16_t> feldoffset;

  std::vector<char> record;       // the current record, plain
  std::vector<char> record_temp;  // scrambled copy on its way to the file
  std::vector<char> recordMulti;  // read window of kDbaseWindowRecords records
  uint32_t cachestart = kDbaseWindowEmpty;
  uint32_t freistart = 0;

  FilePtr dbtdatei;
  uint32_t dbtnaechster = 0;
  uint32_t dbtblockgroesse = 512;

  // New at every open, close and write of a record, never seen before in the process: what
  // was read from the table tells by it that the table is still as it was.
  uint64_t changeMark = 0;
};

// The members the windows reach through a global of an instance's prefix (dbase_anzahldatensaetze
// is dbase_tabelle.anzahldatensaetze): listed once, and each instance's header expands the list
// with DBASE_TABLE_ALIAS. The read window's members exist only in the main instance.
#define DBASE_TABLE_MEMBERS(X)                                                                  \
  X(datei) X(handle) X(dateiname) X(version) X(datum) X(anzahldatensaetze) X(headerlength)      \
  X(lengthofrecord) X(modus) X(anzahldatenfelder) X(feldname) X(feldtyp) X(feldadresse)        \
  X(feldlength) X(feldkommastellen) X(feldoffset) X(record) X(record_temp) X(dbtdatei)         \
  X(dbtnaechster) X(dbtblockgroesse)
#define DBASE_WINDOW_MEMBERS(X) X(recordMulti) X(cachestart) X(freistart)

// A reference named prefix + member to that member of the instance.
#define DBASE_TABLE_ALIAS(prefix, instance, member) \
  inline decltype(DbaseTable::member)& prefix##member = instance.member;

// Gives the table a new changeMark.
void DbaseMarkChange(DbaseTable& t);

// Opening and closing (DbaseOpen.cpp). Open refuses a damaged file with a message and leaves
// the instance closed; it closes a table the instance still has open first.
int DbaseOpen(DbaseTable& t, const AnsiString& name);
void DbaseClose(DbaseTable& t);
// Whether the table's path still names the file the instance has open. When another program
// has put a table of the same layout and fields there (a backup put back), the instance takes
// that file instead, with its header read afresh: true. False when the path names nothing
// now, or something else than such a table; the instance keeps the file it has.
bool DbaseFollowPath(DbaseTable& t);
int DbaseMemoOpen(DbaseTable& t, const AnsiString& name);
void DbaseMemoClose(DbaseTable& t);

// Records (DbaseRecords.cpp); results as dbase_lesen, dbase_schreiben ... give them.
int DbaseRead(DbaseTable& t, long n);
int DbaseReadWindowed(DbaseTable& t, long n);
int DbaseWrite(DbaseTable& t, long n);
// Writes the record as a new one into slot n while it is still deleted, or at the end when n
// is there; else into the next deleted slot after n, or at the end. n becomes the slot.
int DbaseWriteNew(DbaseTable& t, long& n);
int DbaseDelete(DbaseTable& t, long n);
long DbaseFreeSlot(DbaseTable& t);
void DbaseReloadCount(DbaseTable& t);

// Where record n starts in the file.
inline off_t DbaseRecordPosition(const DbaseTable& t, long n) {
  return static_cast<off_t>(t.headerlength) + static_cast<off_t>(n) * t.lengthofrecord;
}
// Whether the table is open with its record buffers.
inline bool DbaseHasBuffers(const DbaseTable& t) {
  return t.datei && t.lengthofrecord > 0 && t.record.size() == t.lengthofrecord &&
         t.record_temp.size() == t.lengthofrecord;
}
// The whole records a file of `size` bytes holds after the header.
long DbaseWholeRecords(const DbaseTable& t, off_t size);
// The records a walk over the table reaches: the header's count, but no more than the file
// holds whole now. A damaged count, or a file shortened by another program, never turns
// into reads past the end or capacity reserved for records that are not there.
long DbaseReadableRecords(const DbaseTable& t);
// A record that has just been copied whole into t.record: -3 deleted, else unscrambled and 1.
int DbaseDecodeRecord(DbaseTable& t);
// Asks the kernel to read the records into the page cache ahead of a pass over them.
void DbaseReadRecordsAhead(const DbaseTable& t);

// Whether n names a field and the record buffer holds it: a damaged header may name a field
// past the record.
inline bool DbaseFieldHeld(const DbaseTable& t, int n) {
  return n >= 0 && n < t.anzahldatenfelder &&
         std::size_t{t.feldoffset[n]} + t.feldlength[n] <= t.record.size();
}
// A deleted record shows every field as an empty text, unless the table reads records as the
// file holds them.
inline bool DbaseShowsEmpty(const DbaseTable& t) { return !t.asStored && t.record[0] == '*'; }

// Whether a logical field's stored character shows as "ja" (else it shows as "nein").
inline bool DbaseLogicalYes(char stored) {
  return stored == 'Y' || stored == 'y' || stored == 'T' || stored == 't';
}

// Field texts (DbaseFields.cpp), through dbase_text; `zeichensatz` as dbm_zeichensatz.
int DbaseFieldRead(DbaseTable& t, int n, uint8_t zeichensatz);
int DbaseFieldWrite(DbaseTable& t, int n, uint8_t zeichensatz);
// The first `cut` characters of text field n's shown text, without trailing blanks, made in
// `out` straight from the record's bytes (no message, and dbase_text is left alone); without
// a code page conversion the record's bytes are the text. It lives until the record changes.
std::string_view DbaseTextFieldStart(const DbaseTable& t, int n, uint8_t zeichensatz, char* out,
                                     std::size_t cut);

// One query criterion against field n of the current record (DbaseCompare.cpp): negative,
// 0 or positive as the field sorts before, matches or sorts after the criterion text.
// `grossklein` 1 compares "C" texts case-sensitively.
int DbaseFieldCompare(DbaseTable& t, int n, std::string_view criterion, uint8_t zeichensatz,
                      int grossklein);
// The characters of a field and of a criterion that a comparison reads.
inline constexpr std::size_t kDbaseCompared = 19;
// The criterion as it is compared: a longer one is its first kDbaseCompared characters and
// "*", stored in `cut`.
using DbaseCriterionCut = std::array<char, kDbaseCompared + 1>;
std::string_view DbaseComparedCriterion(std::string_view criterion, DbaseCriterionCut& cut);
// Whether a comparison result c satisfies the operator "=", "!", "<" or ">".
bool DbaseOperatorHolds(char op, int c);

// Record scrambling by mode (DbaseScramble.cpp): bytes 1 .. length - 1, byte 0 untouched.
void DbaseScramble(uint8_t mode, const char* plain, char* stored, std::size_t length);
void DbaseUnscramble(uint8_t mode, char* record, std::size_t length);

// The main table and the one the linked lookups open (DbaseGlobals.cpp).
extern DbaseTable dbase_tabelle;
extern DbaseTable dbase_tabelle2;
