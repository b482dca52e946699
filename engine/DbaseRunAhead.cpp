// The room is made in a store of its own: no thread but the main one touches a grid.
#include "engine/DbaseRunAhead.h"

#include <algorithm>
#include <array>
#include <climits>
#include <exception>

#include "engine/DbaseHitOrder.h"
#include "engine/dbase.h"

namespace {

DbaseRunAhead* standing = nullptr;

// About 128 MB of room at most: a run with more hits makes the rest as it goes.
constexpr long kMostRows = 1L << 20;

// Room for the record number and the first key, which may be longer than a text holds
// without an allocation of its own. A second key, rarer, gets room as it comes.
std::unique_ptr<TGridCells> MakeRoom(int first, int end) {
  auto room = std::make_unique<TGridCells>();
  const std::array<uint32_t, 2> lengths{0, DbaseHitOrder::kTextLength};
  room->ReserveRows(first, end - 1, lengths);
  return room;
}

}  // namespace

DbaseRunAhead::DbaseRunAhead(TExtColumnGrid* index) : index_(index) {
  standing = this;
  DbaseReadRecordsAhead(dbase_tabelle);
  if (!index_) return;
  // The hits and the empty row after them, in pages the grid does not hold yet.
  rows_.first = index_->CellPagesEnd();
  rows_.end = static_cast<int>(std::min<long>(long{dbase_anzahldatensaetze} + 1, kMostRows));
  if (rows_.first >= rows_.end) return;
  try {
    room_ = std::async(std::launch::async, MakeRoom, rows_.first, rows_.end);
  } catch (const std::exception&) {
    // No thread or no memory for one: the run makes its room as it goes, and still comes.
  }
}

DbaseRunAhead::~DbaseRunAhead() {
  if (room_.valid()) room_.wait();
  if (standing == this) standing = nullptr;
}

DbaseRunAhead::Rows DbaseRunAhead::GiveRoom(TExtColumnGrid& index) {
  DbaseRunAhead* ahead = standing;
  if (!ahead || ahead->index_ != &index || !ahead->room_.valid()) return {};
  std::unique_ptr<TGridCells> room;
  try {
    room = ahead->room_.get();
  } catch (const std::exception&) {
    return {};  // no memory for the room: the run makes it as it goes, as without a wait
  }
  index.TakeCellPages(*room);
  return ahead->rows_;
}

void DbaseRunAhead::GiveUpUnused(TExtColumnGrid& index, Rows rows) {
  const int first = std::max(rows.first, index.GetRowCount());
  if (first >= rows.end) return;
  // Rows the run did not reach hold nothing but the room, in whatever columns.
  index.ClearCellTexts(TGridRect{0, first, INT_MAX, rows.end - 1}, TGridCells::Room::GiveUp);
  // Their pages too: a million empty rows would stay in the grid, and no room would be made
  // ahead for them again.
  index.DropEmptyCellPages(first, INT_MAX);
}
