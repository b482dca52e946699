// Reading, writing, appending and deleting records, directly and through the read window,
// and the search for a free (deleted) slot.
#include <fcntl.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/DbaseFile.h"
#include "engine/DbaseTable.h"
#include "platform/controls/dialogs.h"

namespace {

long Count(const DbaseTable& t) { return static_cast<long>(t.anzahldatensaetze); }

int PastTheEnd(DbaseTable& t) {
  std::fill(t.record.begin(), t.record.end(), ' ');
  return -1;
}

bool InWindow(const DbaseTable& t, long n) {
  return t.cachestart != kDbaseWindowEmpty && n >= static_cast<long>(t.cachestart) &&
         n < static_cast<long>(t.cachestart) + kDbaseWindowRecords;
}

// Fills the window from record n on; false (window empty) when the file does not hold all.
bool FillWindow(DbaseTable& t, long n) {
  t.cachestart = kDbaseWindowEmpty;
  std::size_t size = t.recordMulti.size();
  if (DbaseReadAt(t.handle, DbaseRecordPosition(t, n), t.recordMulti.data(), size) < size)
    return false;
  t.cachestart = static_cast<uint32_t>(n);
  return true;
}

// Whether the file holds all of record n; one past its end would leave a gap of zeros.
bool InFile(const DbaseTable& t, long n) {
  return DbaseRecordPosition(t, n) + t.lengthofrecord <= DbaseFileSize(t.handle);
}

int WriteAt(const DbaseTable& t, long n, const std::vector<char>& bytes) {
  return DbaseWriteAt(t.handle, DbaseRecordPosition(t, n), bytes.data(), t.lengthofrecord) ? 1 : 0;
}

// The records a file really holds: never more than its header counts, and never a gap
// when the file is shorter than the header says.
bool CountInFile(const DbaseTable& t, uint32_t& count) {
  uint8_t bytes[4];
  off_t size = DbaseFileSize(t.handle);
  if (size < t.headerlength || DbaseReadAt(t.handle, 4, bytes, 4) < 4) return false;
  count = static_cast<uint32_t>(std::min<long>(DbaseU32(bytes), DbaseWholeRecords(t, size)));
  return true;
}

// Appends record_temp after the `count` records the file holds, under the count lock. An
// append that fails (a full disk takes the record's first bytes and refuses the rest) leaves
// the file as it was: other readers take whatever follows the counted records for a record.
// Without the lock another copy's new record may follow, and the file is not cut.
int AppendAt(DbaseTable& t, const DbaseCountLock& lock, uint32_t count) {
  if (count == UINT32_MAX) return 0;
  DbaseFileEnd end(t.handle, DbaseRecordPosition(t, count), t.lengthofrecord);
  uint8_t bytes[4];
  DbasePutU32(bytes, count + 1);
  if (!WriteAt(t, count, t.record_temp) || !DbaseWriteAt(t.handle, 4, bytes, 4)) {
    if (lock.Held()) end.Restore();
    return 0;
  }
  t.anzahldatensaetze = count + 1;
  return 1;
}

// Appends record_temp after the records the file holds now, whatever other running copies
// appended since this one read the count.
int Append(DbaseTable& t) {
  DbaseCountLock lock(t.handle);
  uint32_t count = 0;
  return CountInFile(t, count) ? AppendAt(t, lock, count) : 0;
}

bool IsDeleted(const DbaseTable& t, long k) {
  char status = 0;
  return DbaseReadAt(t.handle, DbaseRecordPosition(t, k), &status, 1) == 1 && status == '*';
}

// record_temp from the plain record, marked valid.
void Scramble(DbaseTable& t) {
  t.record[0] = ' ';
  DbaseScramble(t.modus, t.record.data(), t.record_temp.data(), t.lengthofrecord);
}

// Whether a write may go to the open file: when another program has replaced the table (a
// backup put back, a copy renamed over it) or removed it, the handle reaches a file nobody
// reads any more, and the write would be reported done and lost. `operation` names the
// engine function for the message.
bool StillTheTable(const DbaseTable& t, const char* operation) {
  if (DbaseSameFile(t.handle, t.pfad)) return true;
  ShowMessage("Fehler: " + AnsiString(t.prefix) + operation + ": " + t.pfad +
              ": Datei wurde seit dem \xD6" "ffnen ersetzt oder entfernt - nichts geschrieben");
  return false;
}

}  // namespace

long DbaseWholeRecords(const DbaseTable& t, off_t size) {
  if (t.lengthofrecord == 0 || size < t.headerlength) return 0;
  return static_cast<long>((size - t.headerlength) / t.lengthofrecord);
}

long DbaseReadableRecords(const DbaseTable& t) {
  return std::min(Count(t), DbaseWholeRecords(t, DbaseFileSize(t.handle)));
}

int DbaseDecodeRecord(DbaseTable& t) {
  if (t.asStored) return 1;
  if (t.record[0] == '*') return -3;
  DbaseUnscramble(t.modus, t.record.data(), t.lengthofrecord);
  return 1;
}

// Only a hint: the pass reads the same without it.
void DbaseReadRecordsAhead(const DbaseTable& t) {
  if (t.handle < 0 || t.lengthofrecord == 0) return;
  posix_fadvise(t.handle, t.headerlength,
                static_cast<off_t>(DbaseReadableRecords(t)) * t.lengthofrecord, POSIX_FADV_WILLNEED);
}

void DbaseMarkChange(DbaseTable& t) {
  static uint64_t marks = 0;
  t.changeMark = ++marks;
}

int DbaseRead(DbaseTable& t, long n) {
  if (n >= Count(t)) return PastTheEnd(t);
  if (n < 0 || !DbaseHasBuffers(t)) return -2;
  // A short read must not leave half a record behind in the buffer.
  if (DbaseReadAt(t.handle, DbaseRecordPosition(t, n), t.record_temp.data(), t.lengthofrecord) <
      t.lengthofrecord)
    return -2;
  t.record = t.record_temp;
  return DbaseDecodeRecord(t);
}

int DbaseReadWindowed(DbaseTable& t, long n) {
  bool windowFits = t.recordMulti.size() == std::size_t{kDbaseWindowRecords} * t.lengthofrecord;
  if (n < 0 || n + kDbaseWindowRecords > Count(t) || !windowFits || !DbaseHasBuffers(t))
    return DbaseRead(t, n);
  if (!InWindow(t, n) && !FillWindow(t, n)) return DbaseRead(t, n);
  const char* source = t.recordMulti.data() + (n - t.cachestart) * t.lengthofrecord;
  std::memcpy(t.record.data(), source, t.lengthofrecord);
  return DbaseDecodeRecord(t);
}

int DbaseWrite(DbaseTable& t, long n) {
  if (n < 0 || !DbaseHasBuffers(t) || !StillTheTable(t, "_schreiben")) return 0;
  Scramble(t);
  DbaseMarkChange(t);
  int written = n < Count(t) && InFile(t, n) ? WriteAt(t, n, t.record_temp) : Append(t);
  t.cachestart = kDbaseWindowEmpty;
  return written;
}

// Under the append lock, so that copies creating records at once never take one slot: the
// slot chosen when the record was started may have been reused meanwhile.
int DbaseWriteNew(DbaseTable& t, long& n) {
  if (n < 0 || !DbaseHasBuffers(t) || !StillTheTable(t, "_neuschreiben")) return 0;
  Scramble(t);
  DbaseMarkChange(t);
  DbaseCountLock lock(t.handle);
  uint32_t count = 0;
  if (!CountInFile(t, count)) return 0;
  t.cachestart = kDbaseWindowEmpty;
  for (long k = n; k < static_cast<long>(count); ++k) {
    if (!IsDeleted(t, k)) continue;
    if (!WriteAt(t, k, t.record_temp)) return 0;
    n = k;
    return 1;
  }
  if (!AppendAt(t, lock, count)) return 0;
  n = static_cast<long>(count);
  return 1;
}

int DbaseDelete(DbaseTable& t, long n) {
  // Only records the table holds: a deleted record past the end would be a gap.
  if (n < 0 || n >= Count(t) || !DbaseHasBuffers(t) || !StillTheTable(t, "_loeschen")) return 0;
  DbaseMarkChange(t);
  t.record[0] = '*';
  std::fill(t.record.begin() + 1, t.record.end(), 0);
  int written = WriteAt(t, n, t.record);
  t.cachestart = kDbaseWindowEmpty;
  return written;
}

long DbaseFreeSlot(DbaseTable& t) {
  for (long k = t.freistart; k < Count(t); ++k) {
    char status = 0;
    // The file ends before the header's count: no slot lies beyond, and a damaged count of
    // billions must not turn into billions of reads.
    if (DbaseReadAt(t.handle, DbaseRecordPosition(t, k), &status, 1) != 1) break;
    if (status == '*') {
      t.freistart = static_cast<uint32_t>(k);
      return k;
    }
  }
  DbaseReloadCount(t);
  t.freistart = t.anzahldatensaetze;
  return Count(t);
}

void DbaseReloadCount(DbaseTable& t) {
  uint8_t bytes[4];
  if (DbaseReadAt(t.handle, 4, bytes, 4) == 4) t.anzahldatensaetze = DbaseU32(bytes);
}
