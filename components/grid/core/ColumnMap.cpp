#include "components/grid/core/ColumnMap.h"

#include <algorithm>
#include <limits>

#include "platform/core/invariant.h"

namespace {

// The entry at From moves to To, those between shift towards From; an index past the end takes
// or gives Vacated.
template <typename T, std::size_t N>
void MoveEntry(std::array<T, N>& Entries, int From, int To, T Vacated) {
  const int n = static_cast<int>(N);
  if (From < 0 || To < 0 || From == To || (From >= n && To >= n)) return;
  const T moved = From < n ? Entries[From] : Vacated;
  if (From < n) {
    std::copy(Entries.begin() + From + 1, Entries.end(), Entries.begin() + From);
    Entries[n - 1] = Vacated;
  }
  if (To < n) {
    std::copy_backward(Entries.begin() + To, Entries.end() - 1, Entries.end());
    Entries[To] = moved;
  }
}

}  // namespace

bool TColumnMap::SetHidden(int RealCol, bool Hidden) {
  if (RealCol < 0 || RealCol >= kHideable || IsHidden(RealCol) == Hidden) return false;
  hidden_[static_cast<std::size_t>(RealCol)] = Hidden;
  Recount();
  return true;
}

void TColumnMap::Recount() {
  hiddenCount_ = static_cast<int>(std::count(hidden_.begin(), hidden_.end(), true));
  shown_.clear();
  if (hiddenCount_ > 0)
    for (int c = 0; c < kHideable; ++c)
      if (!hidden_[static_cast<std::size_t>(c)]) shown_.push_back(c);
  CheckInvariant("column map", [&] { return Fault(); });
}

int TColumnMap::RealCol(int DisplayCol) const {
  if (hiddenCount_ == 0 || DisplayCol >= kHideable) return DisplayCol;
  if (DisplayCol < 0 || DisplayCol >= static_cast<int>(shown_.size())) return 0;
  return shown_[static_cast<std::size_t>(DisplayCol)];
}

int TColumnMap::DisplayCol(int RealCol) const {
  if (hiddenCount_ == 0 || RealCol <= 0) return RealCol;
  const int below = std::min(RealCol, kHideable);
  return RealCol - static_cast<int>(std::count(hidden_.begin(), hidden_.begin() + below, true));
}

int TColumnMap::Shift(int ACol, int Delta) {
  if (hiddenCount_ == 0 || ACol >= kHideable) return 0;
  const auto at = hidden_.begin() + std::max(ACol, 0);
  int hiddenGone = 0;
  if (Delta > 0) {
    const int shift = std::min<int>(Delta, hidden_.end() - at);
    std::copy_backward(at, hidden_.end() - shift, hidden_.end());
    std::fill(at, at + shift, false);
  } else if (Delta < 0) {
    const int shift = std::min<int>(-Delta, hidden_.end() - at);
    hiddenGone = static_cast<int>(std::count(at, at + shift, true));
    std::copy(at + shift, hidden_.end(), at);
    std::fill(hidden_.end() - shift, hidden_.end(), false);
  }
  Recount();
  return hiddenGone;
}

void TColumnMap::Move(int From, int To) {
  MoveEntry(hidden_, From, To, false);
  MoveEntry(widths_, From, To, int16_t{0});
  Recount();
}

int TColumnMap::Width(int RealCol) const {
  return RealCol >= 0 && RealCol < static_cast<int>(widths_.size())
             ? widths_[static_cast<std::size_t>(RealCol)]
             : 0;
}

void TColumnMap::SetWidth(int RealCol, int Value) {
  if (RealCol < 0 || RealCol >= static_cast<int>(widths_.size())) return;
  widths_[static_cast<std::size_t>(RealCol)] = static_cast<int16_t>(std::clamp<int>(
      Value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

std::string TColumnMap::Fault() const {
  const int flagged = static_cast<int>(std::count(hidden_.begin(), hidden_.end(), true));
  if (flagged != hiddenCount_)
    return std::to_string(hiddenCount_) + " hidden columns counted, " + std::to_string(flagged) +
           " flagged";
  const std::size_t expected = flagged == 0 ? 0 : static_cast<std::size_t>(kHideable - flagged);
  if (shown_.size() != expected)
    return std::to_string(shown_.size()) + " shown columns listed, " + std::to_string(expected) +
           " expected";
  for (std::size_t k = 0; k < shown_.size(); ++k)
    if (IsHidden(shown_[k]) || (k > 0 && shown_[k - 1] >= shown_[k]))
      return "shown column " + std::to_string(k) + " is real column " + std::to_string(shown_[k]);
  return {};
}
