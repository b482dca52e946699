// TExtColumnGrid: the column order. An item's Position tells where its column stood when the
// order was set, and travels with the column when it moves. Saving writes for each slot the
// rank of its column's position; loading arranges the columns so that each slot again holds
// the column of the rank saved for it. Ranks (positions in order, ties by slot) keep the file
// a permutation even when positions have gaps or repeats.
#include <algorithm>
#include <numeric>
#include <string>

#include "components/grid/columns/ExtCGrid.h"
#include "components/grid/grid/UpdateScope.h"
#include "platform/core/inifile.h"

namespace {
AnsiString PositionKey(int Slot) { return "CP" + std::to_string(Slot); }

// Each of 0 to size - 1 exactly once.
bool IsPermutation(const std::vector<int>& Values) {
  std::vector<bool> seen(Values.size());
  for (int value : Values) {
    if (value < 0 || value >= static_cast<int>(Values.size()) || seen[value]) return false;
    seen[value] = true;
  }
  return true;
}
}  // namespace

void TExtColumnGrid::SetOrganization() {
  for (int i = 0; i < columns_->Count(); ++i) columns_->GetItem(i)->Position = i;
}

std::vector<int> TExtColumnGrid::PositionRanks() const {
  std::vector<int> slots(columns_->Count());
  std::iota(slots.begin(), slots.end(), 0);
  std::stable_sort(slots.begin(), slots.end(), [this](int a, int b) {
    return columns_->GetItem(a)->Position < columns_->GetItem(b)->Position;
  });
  std::vector<int> ranks(slots.size());
  for (size_t rank = 0; rank < slots.size(); ++rank) ranks[slots[rank]] = static_cast<int>(rank);
  return ranks;
}

// Ranks[s] is the rank of the column slot s is to hold; it must be a permutation.
void TExtColumnGrid::ArrangeColumns(const std::vector<int>& Ranks) {
  std::vector<int> current = PositionRanks();
  // Only shown columns can move.
  if (current.size() != Ranks.size() || static_cast<int>(Ranks.size()) != GetColCount()) return;
  TUpdateScope lock(*this);
  for (size_t slot = 0; slot < Ranks.size(); ++slot) {
    const auto from = std::find(current.begin() + slot, current.end(), Ranks[slot]);
    if (from == current.begin() + slot) continue;
    MoveColumn(static_cast<int>(from - current.begin()), static_cast<int>(slot));
    std::rotate(current.begin() + slot, from, from + 1);
  }
}

void TExtColumnGrid::ResetOrganization() {
  std::vector<int> ranks(columns_->Count());
  std::iota(ranks.begin(), ranks.end(), 0);
  ArrangeColumns(ranks);
}

void TExtColumnGrid::SaveColumnPositions(const AnsiString& FileName, const AnsiString& Section) {
  TIniFile ini(FileName);
  const std::vector<int> ranks = PositionRanks();
  for (size_t slot = 0; slot < ranks.size(); ++slot)
    ini.WriteInteger(Section, PositionKey(static_cast<int>(slot)), ranks[slot]);
}

void TExtColumnGrid::LoadColumnPositions(const AnsiString& FileName, const AnsiString& Section) {
  const TIniFile ini(FileName);
  std::vector<int> ranks;
  for (int slot = 0; slot < columns_->Count(); ++slot)
    ranks.push_back(ini.ReadInteger(Section, PositionKey(slot), -1));
  if (IsPermutation(ranks)) ArrangeColumns(ranks);
}
