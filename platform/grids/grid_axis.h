// One axis of a grid, its columns or its rows: how many lines there are and how many of them
// are fixed, the size of each, the grid line after each, and which scrollable line is the first
// on screen. Positions are pixels along the axis from the client area's edge. Walks start at
// the first line shown and stop at the client's extent, so their cost follows what is visible,
// not the number of lines.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/grids/grid_line_sizes.h"

class TGridAxis {
 public:
  // pos + length along the axis, held at INT_MAX: sizes from a damaged file may add up past
  // what an int holds, and a position must never wrap round to a negative one.
  static int Advance(int pos, int length) {
    return static_cast<int>(std::min<int64_t>(int64_t{pos} + length, INT_MAX));
  }

  TGridAxis(int count, int fixed, int defaultSize);

  int Count() const { return count_; }
  // Negative counts become 0; a count at or below the fixed count pulls the fixed count down
  // to leave one scrollable line.
  void SetCount(int count);
  int Fixed() const { return fixed_; }
  void SetFixed(int fixed);  // the caller keeps 0 <= fixed < count (or both 0)

  int DefaultSize() const { return defaultSize_; }
  void SetDefaultSize(int size);  // every line takes it
  int Size(int index) const;      // the default beyond the count
  // The sum of the sizes of lines first..last-1, lines outside the count at the default size;
  // its cost does not grow with the distance.
  int64_t SizeSum(int first, int last) const;
  void SetSize(int index, int size);
  // The line at `from` moves to `to` with its size; those between shift towards `from`.
  void MoveLine(int from, int to);
  // Line p takes the size of line order[p] (order a permutation of 0..Count-1).
  void Permute(const std::vector<int>& order);

  // Width of the grid line after a fixed and after a scrollable line (0 where none is drawn).
  void SetLineWidths(int fixedLine, int scrollLine);
  int LineWidthAfter(int index) const { return index < fixed_ ? fixedLine_ : scrollLine_; }
  int Extent() const { return extent_; }
  void SetExtent(int pixels);

  // The first scrollable line shown, kept between Fixed and MaxFirst by every change.
  int First() const { return first_; }
  void SetFirst(int index);
  // The first line from which the rest of the lines fit whole.
  int MaxFirst() const;
  // The first line nearest to the present one that shows `index` whole.
  int FirstShowing(int index) const;

  int FixedExtent() const;
  // Scrollable lines shown whole from First; at least 1 while there is a scrollable line.
  int VisibleCount() const;
  // Where a line stands on screen, its grid line not included; false when it is not shown.
  bool Span(int index, int& start, int& end) const;
  // The pixels the shown lines of first..last cover, their grid lines included; false when
  // none of them is shown.
  bool RangeSpan(int first, int last, int& start, int& end) const;
  // The line under a position, its grid line included; -1 outside every line shown.
  int LineAt(int pos) const;
  // The shown line whose trailing border (the end of the line and its grid line) lies within
  // `slack` pixels of a position; the later one where two are that near; -1 when none.
  int BorderNear(int pos, int slack) const;

  // What lies out of bounds: a negative count, sizes kept for another count, or a first line
  // shown outside Fixed..MaxFirst. Empty when nothing does; every change checks it in the
  // debug build.
  std::string Fault() const;

 private:
  int count_;
  int fixed_;
  int defaultSize_;
  TLineSizes sizes_;  // empty while every line has the default size
  int fixedLine_ = 1;
  int scrollLine_ = 1;
  int extent_ = 0;
  int first_;

  int Pitch(int index) const { return Advance(Size(index), LineWidthAfter(index)); }
  // pos + the pitches of lines first..last-1, held at INT_MAX like Advance.
  int AdvanceOver(int pos, int first, int last) const;
  // Every change goes through here: the first line shown stays in range.
  void ClampFirst();

 public:
  // Calls visit(index, start) for each line shown, in screen order, until it returns true.
  template <typename Visit>
  void ForEachShown(Visit visit) const {
    int start = 0;
    for (int i = 0; i < fixed_ && start < extent_; start = Advance(start, Pitch(i++)))
      if (visit(i, start)) return;
    for (int i = first_; i < count_ && start < extent_; start = Advance(start, Pitch(i++)))
      if (visit(i, start)) return;
  }
  // The last line shown; below First when only fixed lines are.
  int LastShown() const;

 private:
  mutable int lastShown_ = -1;
  mutable bool lastShownKnown_ = false;
};
