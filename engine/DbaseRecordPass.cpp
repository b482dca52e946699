// The pass reads blocks of about 1 MB with pread: a million records cost a few hundred reads,
// and the file's length is looked up after each, before any record of the block is used.
#include "engine/DbaseRecordPass.h"

#include <algorithm>
#include <cstring>

#include "engine/DbaseFile.h"

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

using Ranges = std::vector<std::pair<std::size_t, std::size_t>>;  // offset and length

// The ranges sorted, those that overlap or touch joined.
Ranges Joined(Ranges ranges) {
  std::sort(ranges.begin(), ranges.end());
  Ranges joined;
  for (auto [offset, length] : ranges) {
    if (length == 0) continue;
    if (!joined.empty() && offset <= joined.back().first + joined.back().second) {
      auto& [first, reach] = joined.back();
      reach = std::max(reach, offset + length - first);
    } else {
      joined.emplace_back(offset, length);
    }
  }
  return joined;
}

}  // namespace

// The fields' bytes as ranges that do not overlap, so no byte is unscrambled twice; a field
// over the status byte (a damaged header) starts after it. The status byte is copied with
// the field after it where one follows: a copy each costs more than their bytes.
DbaseRecordPass::DbaseRecordPass(DbaseTable& t, const std::vector<int>& fields,
                                 const std::vector<long>* records)
    : t_(t), records_(records) {
  t.cachestart = kDbaseWindowEmpty;
  size_ = DbaseFileSize(t.handle);
  count_ = std::min(static_cast<long>(t.anzahldatensaetze), DbaseWholeRecords(t, size_));
  validEnd_ = count_;
  Ranges ranges;
  for (int n : fields) {
    if (!DbaseFieldHeld(t, n)) continue;
    const std::size_t first = std::max<std::size_t>(t.feldoffset[n], 1);
    const std::size_t end = std::size_t{t.feldoffset[n]} + t.feldlength[n];
    if (first < end) ranges.emplace_back(first, end - first);
  }
  fields_ = Joined(ranges);
  ranges.emplace_back(0, 1);
  pieces_ = Joined(ranges);
}

int DbaseRecordPass::Read(long n) {
  if (n < 0 || !DbaseHasBuffers(t_)) return -2;
  if (n >= static_cast<long>(t_.anzahldatensaetze)) {
    last_ = -1;  // the buffer is blanked
    return DbaseRead(t_, n);
  }
  if (n >= count_ || ((n < first_ || n >= first_ + whole_) && !Fill(n))) return -2;
  last_ = n;
  const char* source = block_.data() + (n - first_) * t_.lengthofrecord;
  for (auto [offset, length] : pieces_)
    std::memcpy(t_.record.data() + offset, source + offset, length);
  return DecodeFields();
}

const char* DbaseRecordPass::Stored(long n) {
  if (n < 0 || n >= count_ || !DbaseHasBuffers(t_)) return nullptr;
  if ((n < first_ || n >= first_ + whole_) && !Fill(n)) return nullptr;
  return block_.data() + (n - first_) * t_.lengthofrecord;
}

void DbaseRecordPass::Finish() {
  CopyLastRecord();
  Look(false);
}

// The block from record n on; false when the file does not hold record n whole now.
bool DbaseRecordPass::Fill(long n) {
  CopyLastRecord();  // before the block changes
  const std::size_t length = t_.lengthofrecord;
  long records = std::min<long>(std::max<std::size_t>(kBlockBytes / length, 1), count_ - n);
  if (records_) {
    auto past = std::lower_bound(records_->begin(), records_->end(), n + records);
    if (past != records_->begin()) records = std::clamp(*std::prev(past) - n + 1, 1L, records);
  }
  block_.resize(records * length);
  first_ = n;
  int error = 0;
  const std::size_t read =
      DbaseReadAt(t_.handle, DbaseRecordPosition(t_, n), block_.data(), block_.size(), &error);
  if (error != 0) readError_ = error;
  Look(read < block_.size() && error == 0);
  whole_ = std::min(static_cast<long>(read / length), validEnd_ - n);
  return whole_ > 0;
}

// After the read: a file cut meanwhile may have cut the block's last records, or left zeros
// where they were.
void DbaseRecordPass::Look(bool shortRead) {
  const off_t size = DbaseFileSize(t_.handle);
  if (shortRead || size != size_) changed_ = true;
  validEnd_ = std::min(validEnd_, DbaseWholeRecords(t_, size));
}

void DbaseRecordPass::CopyLastRecord() {
  if (last_ < 0) return;
  const long n = std::exchange(last_, -1);
  std::memcpy(t_.record.data(), block_.data() + (n - first_) * t_.lengthofrecord,
              t_.lengthofrecord);
  DbaseDecodeRecord(t_);
}

// As DbaseDecodeRecord, for the named fields alone, which have been copied; Unscramble maps the
// bytes after the one it is given.
int DbaseRecordPass::DecodeFields() {
  if (t_.asStored) return 1;
  if (t_.record[0] == '*') return -3;
  if (t_.modus != 0)
    for (auto [offset, length] : fields_)
      DbaseUnscramble(t_.modus, t_.record.data() + offset - 1, length + 1);
  return 1;
}
