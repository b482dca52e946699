// Reading, writing, appending and deleting records, directly and through the read window,
// and the search for a free (deleted) slot.
#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/DbaseFile.h"
#include "engine/DbaseTable.h"
#include "platform/controls/dialogs.h"

namespace {

bool HasBuffers(const DbaseTable& t) {
  return t.datei && t.lengthofrecord > 0 && t.record.size() == t.lengthofrecord &&
         t.record_temp.size() == t.lengthofrecord;
}

off_t RecordPosition(const DbaseTable& t, long n) {
  return static_cast<off_t>(t.headerlength) + static_cast<off_t>(n) * t.lengthofrecord;
}

long Count(const DbaseTable& t) { return static_cast<long>(t.anzahldatensaetze); }

int PastTheEnd(DbaseTable& t) {
  std::fill(t.record.begin(), t.record.end(), ' ');
  return -1;
}

// A record that has just landed in t.record: deleted, or unscrambled and read.
int Landed(DbaseTable& t) {
  if (t.asStored) return 1;
  if (t.record[0] == '*') return -3;
  DbaseUnscramble(t.modus, t.record.data(), t.lengthofrecord);
  return 1;
}

bool InWindow(const DbaseTable& t, long n) {
  return t.cachestart != kDbaseWindowEmpty && n >= static_cast<long>(t.cachestart) &&
         n < static_cast<long>(t.cachestart) + kDbaseWindowRecords;
}

// Fills the window from record n on; false (window empty) when the file does not hold all.
bool FillWindow(DbaseTable& t, long n) {
  t.cachestart = kDbaseWindowEmpty;
  std::size_t size = t.recordMulti.size();
  if (DbaseReadAt(t.handle, RecordPosition(t, n), t.recordMulti.data(), size) < size) return false;
  t.cachestart = static_cast<uint32_t>(n);
  return true;
}

// Whether the file holds all of record n; one past its end would leave a gap of zeros.
bool InFile(const DbaseTable& t, long n) {
  return RecordPosition(t, n) + t.lengthofrecord <= DbaseFileSize(t.handle);
}

int WriteAt(const DbaseTable& t, long n, const std::vector<char>& bytes) {
  return DbaseWriteAt(t.handle, RecordPosition(t, n), bytes.data(), t.lengthofrecord) ? 1 : 0;
}

// The records a file really holds: never more than its header counts, and never a gap
// when the file is shorter than the header says.
bool CountInFile(const DbaseTable& t, uint32_t& count) {
  uint8_t bytes[4];
  off_t size = DbaseFileSize(t.handle);
  if (size < t.headerlength || DbaseReadAt(t.handle, 4, bytes, 4) < 4) return false;
  off_t whole = (size - t.headerlength) / t.lengthofrecord;
  count = static_cast<uint32_t>(std::min<off_t>(DbaseU32(bytes), whole));
  return true;
}

// Appends record_temp after the `count` records the file holds; the caller holds the count
// lock.
int AppendAt(DbaseTable& t, uint32_t count) {
  if (count == UINT32_MAX || !WriteAt(t, count, t.record_temp)) return 0;
  uint8_t bytes[4];
  DbasePutU32(bytes, count + 1);
  if (!DbaseWriteAt(t.handle, 4, bytes, 4)) return 0;
  t.anzahldatensaetze = count + 1;
  return 1;
}

// Appends record_temp after the records the file holds now, whatever other running copies
// appended since this one read the count.
int Append(DbaseTable& t) {
  DbaseCountLock lock(t.handle);
  uint32_t count = 0;
  return CountInFile(t, count) ? AppendAt(t, count) : 0;
}

bool IsDeleted(const DbaseTable& t, long k) {
  char status = 0;
  return DbaseReadAt(t.handle, RecordPosition(t, k), &status, 1) == 1 && status == '*';
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

// The view a pass over every record reads.
void CoverRecords(DbaseTable& t) {
  t.view.Cover(t.handle, RecordPosition(t, 0),
               static_cast<std::size_t>(Count(t)) * t.lengthofrecord);
}

}  // namespace

void DbaseReadRecordsAhead(DbaseTable& t) {
  CoverRecords(t);
  t.view.ReadAhead();
}

void DbaseMarkChange(DbaseTable& t) {
  static uint64_t marks = 0;
  t.changeMark = ++marks;
}

int DbaseRead(DbaseTable& t, long n) {
  if (n >= Count(t)) return PastTheEnd(t);
  if (n < 0 || !HasBuffers(t)) return -2;
  // A short read must not leave half a record behind in the buffer.
  if (DbaseReadAt(t.handle, RecordPosition(t, n), t.record_temp.data(), t.lengthofrecord) <
      t.lengthofrecord)
    return -2;
  t.record = t.record_temp;
  return Landed(t);
}

// The fields' bytes as ranges that do not overlap, so no byte is unscrambled twice; a field
// over the status byte (a damaged header) takes the whole record.
DbaseRecordPass::DbaseRecordPass(DbaseTable& t, const std::vector<int>& fields,
                                 const std::vector<long>* records)
    : t_(t), records_(records) {
  t.cachestart = kDbaseWindowEmpty;
  CoverRecords(t);
  std::vector<std::pair<std::size_t, std::size_t>> ranges;  // first and past-the-end byte
  for (int n : fields)
    if (n >= 0 && n < t.anzahldatenfelder &&
        std::size_t{t.feldoffset[n]} + t.feldlength[n] <= t.record.size())
      ranges.emplace_back(std::max<std::size_t>(t.feldoffset[n], 1),
                          std::size_t{t.feldoffset[n]} + t.feldlength[n]);
  std::sort(ranges.begin(), ranges.end());
  for (auto [first, end] : ranges) {
    if (first >= end) continue;
    if (!fields_.empty() && first <= fields_.back().first + fields_.back().second) {
      auto& [offset, length] = fields_.back();
      length = std::max(length, end - offset);
    } else {
      fields_.emplace_back(first, end - first);
    }
  }
  pieces_.emplace_back(0, 1);  // the status byte
  pieces_.insert(pieces_.end(), fields_.begin(), fields_.end());
  if (t.lengthofrecord > 0) pieces_.emplace_back(t.lengthofrecord - 1, 1);  // see CopyViewed
}

int DbaseRecordPass::Read(long n) {
  const bool held = n >= 0 && n < Count(t_) && HasBuffers(t_);
  if (held && ReadViewed(n)) return LandFields();
  if (!held || ((n < first_ || n >= first_ + count_) && !Fill(n))) {
    const int read = DbaseRead(t_, n);
    if (read != -2) last_ = -1;  // a record landed whole; -2 left the one before
    return read;
  }
  last_ = n;
  lastViewed_ = false;
  const char* source = block_.data() + (n - first_) * t_.lengthofrecord;
  for (auto [offset, length] : pieces_)
    std::memcpy(t_.record.data() + offset, source + offset, length);
  return LandFields();
}

bool DbaseRecordPass::ReadViewed(long n) {
  if (!t_.view.Holds(RecordPosition(t_, n), t_.lengthofrecord)) return false;
  if (CopyViewed(n, pieces_)) {
    last_ = n;
    lastViewed_ = true;
    return true;
  }
  // The file shrank under the view: the record before lands whole as the file holds it now,
  // and the rest is read from the file.
  t_.view.Drop();
  Finish();
  return false;
}

// Past the end of a file shortened under the view its last page reads as zeros: a record
// whose last byte is zero may reach past the end, and is checked against the file.
bool DbaseRecordPass::CopyViewed(long n, std::span<const DbaseMappedFile::Piece> pieces) {
  const off_t position = RecordPosition(t_, n);
  return t_.view.Holds(position, t_.lengthofrecord) &&
         t_.view.Copy(position, pieces, t_.record.data()) &&
         (t_.record[t_.lengthofrecord - 1] != '\0' || FileHolds(n));
}

// The length is looked up again once the records lie this far from where it was last: a
// table whose records end in zeros would otherwise ask at every record, and a page shows
// zeros past the end for a few records only.
bool DbaseRecordPass::FileHolds(long n) {
  constexpr long kRecordsPerLookUp = 4096;
  if (n < fileEndRecord_ || n - fileEndRecord_ >= kRecordsPerLookUp) {
    fileEnd_ = DbaseFileSize(t_.handle);
    fileEndRecord_ = n;
  }
  return RecordPosition(t_, n) + t_.lengthofrecord <= fileEnd_;
}

// As Landed, for the named fields alone, which have been copied; Unscramble maps the bytes
// after the one it is given.
int DbaseRecordPass::LandFields() {
  if (t_.asStored) return 1;
  if (t_.record[0] == '*') return -3;
  if (t_.modus != 0)
    for (auto [offset, length] : fields_)
      DbaseUnscramble(t_.modus, t_.record.data() + offset - 1, length + 1);
  return 1;
}

void DbaseRecordPass::Finish() {
  if (last_ < 0) return;
  const long n = std::exchange(last_, -1);
  const DbaseMappedFile::Piece whole[] = {{0, t_.lengthofrecord}};
  if (!lastViewed_) {
    std::memcpy(t_.record.data(), block_.data() + (n - first_) * t_.lengthofrecord,
                t_.lengthofrecord);
  } else if (!CopyViewed(n, whole)) {
    DbaseRead(t_, n);  // the file shrank meanwhile: as it holds the record now, if at all
    return;
  }
  Landed(t_);
}

// The block from record n on; false when the file holds not even record n whole.
bool DbaseRecordPass::Fill(long n) {
  Finish();  // before the block changes
  constexpr std::size_t kBlockBytes = 1 << 20;
  const std::size_t length = t_.lengthofrecord;
  long records = std::min<long>(std::max<std::size_t>(kBlockBytes / length, 1), Count(t_) - n);
  if (records_) {
    auto past = std::lower_bound(records_->begin(), records_->end(), n + records);
    if (past != records_->begin()) records = std::clamp(*std::prev(past) - n + 1, 1L, records);
  }
  block_.resize(records * length);
  first_ = n;
  count_ = static_cast<long>(
      DbaseReadAt(t_.handle, RecordPosition(t_, n), block_.data(), block_.size()) / length);
  return count_ > 0;
}

int DbaseReadWindowed(DbaseTable& t, long n) {
  bool windowFits = t.recordMulti.size() == std::size_t{kDbaseWindowRecords} * t.lengthofrecord;
  if (n < 0 || n + kDbaseWindowRecords > Count(t) || !windowFits || !HasBuffers(t))
    return DbaseRead(t, n);
  if (!InWindow(t, n) && !FillWindow(t, n)) return DbaseRead(t, n);
  const char* source = t.recordMulti.data() + (n - t.cachestart) * t.lengthofrecord;
  std::memcpy(t.record.data(), source, t.lengthofrecord);
  return Landed(t);
}

int DbaseWrite(DbaseTable& t, long n) {
  if (n < 0 || !HasBuffers(t) || !StillTheTable(t, "_schreiben")) return 0;
  Scramble(t);
  DbaseMarkChange(t);
  int written = n < Count(t) && InFile(t, n) ? WriteAt(t, n, t.record_temp) : Append(t);
  t.cachestart = kDbaseWindowEmpty;
  return written;
}

// Under the append lock, so that copies creating records at once never take one slot: the
// slot chosen when the record was started may have been reused meanwhile.
int DbaseWriteNew(DbaseTable& t, long& n) {
  if (n < 0 || !HasBuffers(t) || !StillTheTable(t, "_neuschreiben")) return 0;
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
  if (!AppendAt(t, count)) return 0;
  n = static_cast<long>(count);
  return 1;
}

int DbaseDelete(DbaseTable& t, long n) {
  // Only records the table holds: a deleted record past the end would be a gap.
  if (n < 0 || n >= Count(t) || !HasBuffers(t) || !StillTheTable(t, "_loeschen")) return 0;
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
    if (DbaseReadAt(t.handle, RecordPosition(t, k), &status, 1) != 1) break;
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
