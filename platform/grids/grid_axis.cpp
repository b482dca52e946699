#include "platform/grids/grid_axis.h"

#include <algorithm>

#include "platform/core/invariant.h"

TGridAxis::TGridAxis(int count, int fixed, int defaultSize)
    : count_(count), fixed_(fixed), defaultSize_(defaultSize), first_(fixed) {}

void TGridAxis::SetCount(int count) {
  count_ = std::max(count, 0);
  if (fixed_ >= count_) fixed_ = std::max(count_ - 1, 0);
  if (!sizes_.Empty()) sizes_.Resize(count_, defaultSize_);
  ClampFirst();
}

void TGridAxis::SetFixed(int fixed) {
  fixed_ = fixed;
  ClampFirst();
}

void TGridAxis::SetDefaultSize(int size) {
  defaultSize_ = std::max(size, 0);
  sizes_.Clear();
  ClampFirst();
}

int TGridAxis::Size(int index) const {
  if (index < 0 || index >= sizes_.Count()) return defaultSize_;
  return sizes_[index];
}

int64_t TGridAxis::SizeSum(int first, int last) const {
  if (first >= last) return 0;
  const int stored = sizes_.Count();
  const int from = std::clamp(first, 0, stored), to = std::clamp(last, 0, stored);
  const int64_t defaults = int64_t{last} - first - (to - from);
  const int64_t storedSum = from < to ? sizes_.Before(to) - sizes_.Before(from) : 0;
  return storedSum + defaults * defaultSize_;
}

void TGridAxis::SetSize(int index, int size) {
  if (index < 0 || index >= count_) return;
  if (sizes_.Empty()) sizes_.Assign(count_, defaultSize_);
  sizes_.Set(index, std::max(size, 0));
  ClampFirst();
}

void TGridAxis::MoveLine(int from, int to) {
  if (sizes_.Empty() || from == to) return;
  sizes_.Move(from, to);
  ClampFirst();
}

void TGridAxis::Permute(const std::vector<int>& order) {
  if (sizes_.Empty() || order.size() != static_cast<size_t>(sizes_.Count())) return;
  sizes_.Permute(order);
  ClampFirst();
}

void TGridAxis::SetLineWidths(int fixedLine, int scrollLine) {
  fixedLine_ = std::max(fixedLine, 0);
  scrollLine_ = std::max(scrollLine, 0);
  ClampFirst();
}

void TGridAxis::SetExtent(int pixels) {
  extent_ = std::max(pixels, 0);
  ClampFirst();
}

void TGridAxis::SetFirst(int index) {
  first_ = index;
  ClampFirst();
}

void TGridAxis::ClampFirst() {
  lastShownKnown_ = false;
  first_ = std::clamp(first_, fixed_, std::max(fixed_, MaxFirst()));
  CheckInvariant("grid axis", [&] { return Fault(); });
}

std::string TGridAxis::Fault() const {
  if (count_ < 0) return "count " + std::to_string(count_);
  if (!sizes_.Empty() && sizes_.Count() != count_)
    return std::to_string(sizes_.Count()) + " sizes for " + std::to_string(count_) + " lines";
  if (first_ < fixed_ || first_ > std::max(fixed_, MaxFirst()))
    return "first line " + std::to_string(first_) + " outside " + std::to_string(fixed_) + ".." +
           std::to_string(std::max(fixed_, MaxFirst()));
  return {};
}

int TGridAxis::LastShown() const {
  if (!lastShownKnown_) {
    lastShown_ = -1;
    ForEachShown([this](int i, int) {
      lastShown_ = i;
      return false;
    });
    lastShownKnown_ = true;
  }
  return lastShown_;
}

int TGridAxis::MaxFirst() const {
  if (count_ <= fixed_) return fixed_;
  int room = extent_ - FixedExtent();
  int first = count_ - 1;
  int used = Size(first);
  while (first > fixed_ && Advance(used, Pitch(first - 1)) <= room)
    used = Advance(used, Pitch(--first));
  return first;
}

int TGridAxis::FirstShowing(int index) const {
  if (index < fixed_ || index >= count_) return first_;
  if (index < first_) return index;
  int start, end;
  if (Span(index, start, end) && end <= extent_) return first_;
  int room = extent_ - FixedExtent();
  int first = index;
  int used = Size(index);
  while (first > fixed_ && Advance(used, Pitch(first - 1)) <= room)
    used = Advance(used, Pitch(--first));
  return first;
}

int TGridAxis::AdvanceOver(int pos, int first, int last) const {
  if (first >= last) return pos;
  const int64_t fixedLines = std::clamp(fixed_, first, last) - first;
  const int64_t lines = SizeSum(first, last) + fixedLines * fixedLine_ +
                        (int64_t{last} - first - fixedLines) * scrollLine_;
  return static_cast<int>(std::min<int64_t>(pos + lines, INT_MAX));
}

int TGridAxis::FixedExtent() const { return AdvanceOver(0, 0, fixed_); }

int TGridAxis::VisibleCount() const {
  if (count_ <= fixed_) return 0;
  int pos = FixedExtent();
  int visible = 0;
  for (int i = first_; i < count_ && Advance(pos, Size(i)) <= extent_; ++i, ++visible)
    pos = Advance(pos, Pitch(i));
  return std::max(visible, 1);
}

bool TGridAxis::Span(int index, int& start, int& end) const {
  if (index < 0 || index > LastShown() || (index >= fixed_ && index < first_)) return false;
  bool fixed = index < fixed_;
  int from = fixed ? 0 : first_;
  const int pos = AdvanceOver(fixed ? 0 : FixedExtent(), from, index);
  if (pos >= extent_) return false;
  start = pos;
  end = Advance(pos, Size(index));
  return true;
}

int TGridAxis::LineAt(int pos) const {
  int found = -1;
  if (pos < 0 || pos >= extent_) return found;
  ForEachShown([&](int i, int start) {
    if (pos < Advance(start, Pitch(i))) found = i;
    return found >= 0;
  });
  return found;
}

int TGridAxis::BorderNear(int pos, int slack) const {
  int found = -1;
  ForEachShown([&](int i, int start) {
    const int64_t border = Advance(start, Size(i));
    if (pos >= border - slack && pos < border + LineWidthAfter(i) + slack) found = i;
    return start > int64_t{pos} + slack;
  });
  return found;
}

bool TGridAxis::RangeSpan(int first, int last, int& start, int& end) const {
  if (first > last || last < 0 || first > LastShown()) return false;
  bool any = false;
  ForEachShown([&](int i, int at) {
    if (i < first || i > last) return false;
    if (!any) start = at;
    any = true;
    end = Advance(at, Pitch(i));
    return false;
  });
  return any;
}
