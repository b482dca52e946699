// Which real columns are hidden and the width each real column keeps while it is. The cells
// of a hidden column stay at their real column in the cell store; the grid's ColCount counts
// the shown columns only, and a display column reaches its cells through RealCol. Columns
// from 512 on never hide.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TColumnMap {
 public:
  static constexpr int kHideable = 512;

  bool IsHidden(int RealCol) const {
    return RealCol >= 0 && RealCol < kHideable && hidden_[static_cast<std::size_t>(RealCol)];
  }
  int HiddenCount() const { return hiddenCount_; }
  // False when the column cannot be hidden or is already in that state.
  bool SetHidden(int RealCol, bool Hidden);

  // A display column's real column (0 for a display column past the shown ones) and back.
  int RealCol(int DisplayCol) const;
  int DisplayCol(int RealCol) const;

  // Columns inserted at ACol (Delta > 0) or removed from it: the flags from there on move
  // with their columns. Answers how many hidden columns were removed.
  int Shift(int ACol, int Delta);
  // The column at From moves to To, those between shift towards From.
  void Move(int From, int To);

  // The width a real column keeps for when it shows again (0 beyond the columns kept).
  int Width(int RealCol) const;
  void SetWidth(int RealCol, int Value);

  // Where the hidden count or the shown list disagrees with the flags; empty when nothing does.
  // The changes above check it in the debug build.
  std::string Fault() const;

 private:
  std::array<bool, kHideable> hidden_{};
  std::array<int16_t, kHideable + 1> widths_{};
  int hiddenCount_ = 0;
  // The real column of each shown column below kHideable, in display order; empty while
  // nothing is hidden.
  std::vector<int> shown_;

  void Recount();
};
