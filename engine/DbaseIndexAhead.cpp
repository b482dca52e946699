#include "engine/DbaseIndexAhead.h"

#include <algorithm>
#include <array>

#include "components/grid/columns/ExtCGrid.h"
#include "engine/DbaseHitOrder.h"
#include "engine/DbaseQuerySlots.h"
#include "engine/dbase.h"
#include "platform/core/text.h"

namespace {

constexpr int kSortSlot1 = kDbaseNameSlots[kDbaseCriteria];
constexpr int kSortSlot2 = kDbaseNameSlots[kDbaseCriteria + 1];
// Short enough to cost about a tenth of a millisecond, so the message loop runs often.
constexpr int kSliceRows = 1024;

bool AsksForEveryRecord() {
  return std::all_of(kDbaseNameSlots, kDbaseNameSlots + kDbaseCriteria,
                     [](int slot) { return DbaseSlot(slot).empty(); });
}

// The longest text the run puts into column 1: the first sort field's shown text, or field
// 0's without one, cut as the run cuts it.
uint32_t KeyLength() {
  const AnsiString sortName = DbaseSlot(kSortSlot1);
  const int field = sortName.empty() ? 0 : DbaseFieldNamed(AnsiUpperCase(sortName));
  if (field < 0 || field >= dbase_anzahldatenfelder) return 0;
  constexpr uint32_t kDateText = 10;
  const uint32_t shown = dbase_feldtyp[field] == 'D' ? kDateText : dbase_feldlength[field];
  return std::min<uint32_t>(shown, DbaseHitOrder::kTextLength);
}

}  // namespace

DbaseIndexAhead::DbaseIndexAhead(TExtColumnGrid& grid) : grid_(grid) {
  if (!AsksForEveryRecord()) return;
  end_ = static_cast<int>(std::min<long>(DbaseReadableRecords(dbase_tabelle), INT32_MAX - 1));
  columns_ = DbaseSlot(kSortSlot2).empty() ? 2 : 3;
  const uint32_t key = KeyLength();
  // A text no longer than a string keeps inline needs no capacity of its own.
  if (key > AnsiString().capacity()) keyBytes_ = key;
}

bool DbaseIndexAhead::Step() {
  if (next_ >= end_) return false;
  const int last = std::min(next_ + kSliceRows, end_) - 1;
  const std::array<uint32_t, 2> textBytes{0, keyBytes_};
  grid_.ReserveCellRows(next_, last, columns_, textBytes);
  next_ = last + 1;
  return next_ < end_;
}

void DbaseIndexAhead::Finish() {
  if (next_ > grid_.GetRowCount() && AsksForEveryRecord()) grid_.SetRowCount(next_);
}
