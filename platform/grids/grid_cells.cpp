#include "platform/grids/grid_cells.h"

#include <algorithm>
#include <iterator>
#include <type_traits>
#include <utility>

#include "platform/grids/cell_texts.h"

namespace {
constexpr int kPageBits = 8;
constexpr int kPageRows = 1 << kPageBits;
const AnsiString kEmpty;

// Objects are rarer than texts and are never allocated for many rows at once.
using Objects = std::unique_ptr<TObject*[]>;

template <typename Items>
Items Fresh(uint32_t size) {
  if constexpr (std::is_same_v<Items, CellTexts>)
    return NewCellTexts(size);
  else
    return std::make_unique<TObject*[]>(size);
}

// Grows a dense array to `size` entries, keeping its contents.
template <typename Items>
void Grow(Items& items, uint32_t& count, uint32_t size) {
  if (size <= count) return;
  Items grown = Fresh<Items>(size);
  std::move(items.get(), items.get() + count, grown.get());
  items = std::move(grown);
  count = size;
}
// Capacity for the item at `col` in a row of `count` items: the row doubles (at least to 4 items)
// but never past the grid's width `hint` unless the item lies beyond it, so a row filled left
// to right is allocated a few times and a row with one cell near its start stays small
// however wide the grid is.
template <typename Items>
void GrowFor(Items& items, uint32_t& count, uint32_t col, uint32_t hint) {
  if (col < count) return;
  const uint32_t doubled = std::min(std::max<uint32_t>(count * 2, 4), hint);
  Grow(items, count, std::max(col + 1, doubled));
}

// Vacates `shift` places at the start of items[first..end), the items there moving up; those
// pushed past `end` are lost.
template <typename T>
void ShiftUp(T* items, uint32_t first, uint32_t end, uint32_t shift) {
  const uint32_t vacated = std::min(shift, end - first);
  std::shift_right(items + first, items + end, static_cast<std::ptrdiff_t>(vacated));
  std::fill(items + first, items + first + vacated, T{});
}

// std::rotate of items[first..last) in a row of `count` stored items (those past it are
// empty): the item at `middle` comes first. Only the stored part moves, and the row grows
// only as far as a stored item travels, so moving or deleting a column of a wide grid does
// not widen every row to it.
template <typename Items>
void RotateStored(Items& items, uint32_t& count, uint32_t first, uint32_t middle, uint32_t last) {
  using T = std::remove_extent_t<typename Items::element_type>;
  if (count <= first || first >= middle || middle >= last) return;
  if (last > count) {
    uint32_t top = std::min(middle, count);  // past the last item of first..middle held
    while (top > first && items[top - 1] == T{}) --top;
    if (top > first) Grow(items, count, top + (last - middle));
  }
  // Past `end` the range is empty, and no item held travels there.
  const uint32_t end = std::min(last, count);
  if (middle >= end) {
    ShiftUp(items.get(), first, end, last - middle);
    return;
  }
  std::rotate(items.get() + first, items.get() + middle, items.get() + end);
  if (last > end) ShiftUp(items.get(), first + (end - middle), end, last - end);
}

// Two items trade places; the row grows only to take a held item.
template <typename Items>
void SwapStored(Items& items, uint32_t& count, uint32_t a, uint32_t b) {
  using T = std::remove_extent_t<typename Items::element_type>;
  const uint32_t low = std::min(a, b), high = std::max(a, b);
  if (count <= low || (count <= high && items[low] == T{})) return;
  Grow(items, count, high + 1);
  std::swap(items[a], items[b]);
}

// A copy of `count` items, into the array it replaces when that has the same size.
template <typename Items, typename T>
void CopyItems(Items& items, uint32_t& itemCount, const T* from, uint32_t count) {
  if (itemCount != count) {
    items = Fresh<Items>(count);
    itemCount = count;
  }
  std::copy(from, from + count, items.get());
}

// Two rows' cells trade places. Rows of the same width swap their cells in place, so that
// each row's cells stay where they were allocated: rows filled in order lie in order in
// memory, and a sort that walks the rows walks memory in order however it moved the cells.
template <typename Items>
void SwapItems(Items& a, uint32_t& countA, Items& b, uint32_t& countB) {
  if (countA == countB) {
    std::swap_ranges(a.get(), a.get() + countA, b.get());
    return;
  }
  std::swap(a, b);
  std::swap(countA, countB);
}
}  // namespace

struct TGridCells::Row {
  CellTexts texts;
  Objects objects;
  uint32_t textCount = 0;
  uint32_t objectCount = 0;

  Row() = default;
  Row(Row&& other) noexcept { *this = std::move(other); }
  Row& CopyOf(const Row& other) {
    if (this == &other) return *this;
    CopyItems(texts, textCount, other.texts.get(), other.textCount);
    CopyItems(objects, objectCount, other.objects.get(), other.objectCount);
    return *this;
  }
  Row& operator=(Row&& other) noexcept {
    texts = std::move(other.texts);
    objects = std::move(other.objects);
    textCount = std::exchange(other.textCount, 0);
    objectCount = std::exchange(other.objectCount, 0);
    return *this;
  }

  bool Empty() const { return textCount == 0 && objectCount == 0; }
  int64_t Count(Slot slot) const { return slot == Slot::Text ? textCount : objectCount; }
  bool Holds(Slot slot, uint32_t col) const {
    return slot == Slot::Text ? !texts[col].empty() : objects[col] != nullptr;
  }
};

struct TGridCells::Page {
  Row rows[kPageRows];
};

TGridCells::TGridCells() = default;
TGridCells::~TGridCells() = default;

const TGridCells::Row* TGridCells::FindRow(int row) const {
  if (row < 0) return nullptr;
  size_t page = static_cast<size_t>(row) >> kPageBits;
  if (page >= pages_.size() || !pages_[page]) return nullptr;
  return &pages_[page]->rows[row & (kPageRows - 1)];
}

TGridCells::Row& TGridCells::RowAt(int row) {
  size_t page = static_cast<size_t>(row) >> kPageBits;
  if (page >= pages_.size()) pages_.resize(page + 1);
  if (!pages_[page]) pages_[page] = std::make_unique<Page>();
  return pages_[page]->rows[row & (kPageRows - 1)];
}

std::size_t TGridCells::StoredCells() const {
  std::size_t stored = 0;
  for (const auto& page : pages_)
    if (page)
      for (const Row& r : page->rows) stored += std::size_t{r.textCount} + r.objectCount;
  return stored;
}

const AnsiString& TGridCells::Text(int col, int row) const {
  const Row* r = FindRow(row);
  if (!r || col < 0 || static_cast<uint32_t>(col) >= r->textCount) return kEmpty;
  return r->texts[col];
}

TObject* TGridCells::Object(int col, int row) const {
  const Row* r = FindRow(row);
  if (!r || col < 0 || static_cast<uint32_t>(col) >= r->objectCount) return nullptr;
  return r->objects[col];
}

void TGridCells::SetText(int col, int row, AnsiString text) {
  if (col < 0 || row < 0) return;
  if (text.empty()) {
    const Row* found = FindRow(row);
    if (!found || static_cast<uint32_t>(col) >= found->textCount) return;
  }
  Row& r = RowAt(row);
  GrowFor(r.texts, r.textCount, static_cast<uint32_t>(col), widthHint_);
  r.texts[col] = std::move(text);
}

void TGridCells::SetRowTexts(int row, std::span<const std::string_view> texts) {
  if (row < 0) return;
  // Empty texts store nothing where nothing is stored, as they do cell by cell: a row grows
  // only to its last text that is not empty.
  std::size_t used = texts.size();
  while (used > 0 && texts[used - 1].empty()) --used;
  const Row* found = FindRow(row);
  const std::size_t written = std::max<std::size_t>(
      used, std::min<std::size_t>(texts.size(), found ? found->textCount : 0));
  if (written == 0) return;
  Row& r = RowAt(row);
  if (used > 0) GrowFor(r.texts, r.textCount, static_cast<uint32_t>(used - 1), widthHint_);
  for (std::size_t c = 0; c < written; ++c) r.texts[c] = texts[c];
}

void TGridCells::SetObject(int col, int row, TObject* object) {
  if (col < 0 || row < 0) return;
  if (!object) {
    const Row* found = FindRow(row);
    if (!found || static_cast<uint32_t>(col) >= found->objectCount) return;
  }
  Row& r = RowAt(row);
  GrowFor(r.objects, r.objectCount, static_cast<uint32_t>(col), widthHint_);
  r.objects[col] = object;
}

void TGridCells::ClearTexts(const TGridRect& rect, Capacity capacity) {
  const int64_t left = std::max(rect.Left, 0), end = int64_t{rect.Right} + 1;
  WalkRows(*this, rect.Top, rect.Bottom, [&](int, Row& r) {
    if (left >= std::min<int64_t>(end, r.textCount)) return false;
    if (left == 0 && end >= r.textCount && capacity == Capacity::GiveUp) {
      r.texts.reset();
      r.textCount = 0;
    } else {
      // Emptied in place, each keeping its buffer.
      std::for_each(r.texts.get() + left, r.texts.get() + std::min<int64_t>(end, r.textCount),
                    [](AnsiString& text) { text.clear(); });
    }
    return false;
  });
}

// The rows of a page that lack the capacity share one allocation: a million rows filled at once
// cost a few thousand allocations, not a million.
void TGridCells::ReserveRows(int first, int last, int columns,
                             std::span<const uint32_t> textBytes) {
  if (first < 0 || columns <= 0) return;
  const auto width = static_cast<uint32_t>(columns);
  const std::size_t reserved = std::min<std::size_t>(textBytes.size(), width);
  auto needsCapacity = [width](const Row& r) { return r.textCount < width; };
  for (int64_t row = first; row <= last; row = (row | (kPageRows - 1)) + 1) {
    Row* const begin = &RowAt(static_cast<int>(row));
    Row* const end = begin + (std::min<int64_t>(last, row | (kPageRows - 1)) - row + 1);
    const auto needing = static_cast<uint32_t>(std::count_if(begin, end, needsCapacity));
    if (needing > 0) {
      SharedCellTexts shared(needing, width);
      for (Row* r = begin; r != end; ++r) {
        if (!needsCapacity(*r)) continue;
        CellTexts texts = shared.Take();
        std::move(r->texts.get(), r->texts.get() + r->textCount, texts.get());
        r->texts = std::move(texts);
        r->textCount = width;
      }
    }
    for (Row* r = begin; r != end; ++r)
      for (std::size_t c = 0; c < reserved; ++c) r->texts[c].reserve(textBytes[c]);
  }
}

template <typename Self, typename Visit>
bool TGridCells::WalkRows(Self& self, int64_t first, int64_t last, Visit visit) {
  // The end is read again each step: visit may add pages.
  for (int64_t row = std::max<int64_t>(first, 0);
       row <= std::min<int64_t>(last, static_cast<int64_t>(self.pages_.size()) * kPageRows - 1);
       ++row) {
    using PageOf = std::conditional_t<std::is_const_v<Self>, const Page, Page>;
    PageOf* page = self.pages_[static_cast<size_t>(row) >> kPageBits].get();
    if (!page)
      row |= kPageRows - 1;  // skip the absent page
    else if (visit(static_cast<int>(row), page->rows[row & (kPageRows - 1)]))
      return true;
  }
  return false;
}

void TGridCells::ForEachStored(Slot slot, const TGridRect& rect,
                               const std::function<void(int col, int row)>& visit) const {
  WalkRows(*this, rect.Top, rect.Bottom, [&](int row, const Row& r) {
    // The row's count is read again each step: visit may grow the row.
    for (int64_t col = std::max(rect.Left, 0);
         col <= std::min<int64_t>(rect.Right, r.Count(slot) - 1); ++col)
      if (r.Holds(slot, static_cast<uint32_t>(col))) visit(static_cast<int>(col), row);
    return false;
  });
}

// The rows held are taken out and put back at their new places: the cost is that of the pages
// in the range, not of its rows.
template <typename PlaceOf>
void TGridCells::MoveHeldRows(int64_t first, int64_t last, PlaceOf placeOf) {
  std::vector<std::pair<int64_t, Row>> held;
  WalkRows(*this, first, last, [&](int row, Row& r) {
    if (!r.Empty()) held.emplace_back(placeOf(row), std::move(r));
    return false;
  });
  for (auto& [row, r] : held) RowAt(static_cast<int>(row)) = std::move(r);
}

void TGridCells::RotateRows(int64_t first, int64_t middle, int64_t last) {
  if (first < 0 || first >= middle || middle >= last || last > int64_t{INT_MAX} + 1) return;
  MoveHeldRows(first, last - 1, [&](int64_t row) {
    return row < middle ? row + (last - middle) : row - (middle - first);
  });
}

void TGridCells::RotateColumns(int64_t first, int64_t middle, int64_t last, int firstRow,
                               int lastRow) {
  if (first < 0 || first >= middle || middle >= last || last > int64_t{UINT32_MAX}) return;
  WalkRows(*this, firstRow, lastRow, [&](int, Row& r) {
    const auto f = static_cast<uint32_t>(first), m = static_cast<uint32_t>(middle),
               l = static_cast<uint32_t>(last);
    RotateStored(r.texts, r.textCount, f, m, l);
    RotateStored(r.objects, r.objectCount, f, m, l);
    return false;
  });
}

void TGridCells::SwapColumns(int a, int b, int firstRow, int lastRow) {
  if (a < 0 || b < 0 || a == b) return;
  WalkRows(*this, firstRow, lastRow, [&](int, Row& r) {
    SwapStored(r.texts, r.textCount, static_cast<uint32_t>(a), static_cast<uint32_t>(b));
    SwapStored(r.objects, r.objectCount, static_cast<uint32_t>(a), static_cast<uint32_t>(b));
    return false;
  });
}

// A move is a rotation by one place of the lines from..to.
void TGridCells::MoveRow(int from, int to) {
  if (from < 0 || to < 0) return;
  from < to ? RotateRows(from, from + 1, int64_t{to} + 1) : RotateRows(to, from, int64_t{from} + 1);
}

void TGridCells::MoveColumn(int from, int to) {
  if (from < 0 || to < 0) return;
  from < to ? RotateColumns(from, from + 1, int64_t{to} + 1)
            : RotateColumns(to, from, int64_t{from} + 1);
}

void TGridCells::SwapRows(int a, int b) {
  if (a < 0 || b < 0 || a == b || (!FindRow(a) && !FindRow(b))) return;
  Row& x = RowAt(a);
  Row& y = RowAt(b);
  SwapItems(x.texts, x.textCount, y.texts, y.textCount);
  SwapItems(x.objects, x.objectCount, y.objects, y.objectCount);
}

// Rows take their new places by moving their arrays, a sort's million rows at little cost;
// the arrays then lie in memory in the rows' old order. Only the rows held move.
void TGridCells::PermuteRows(const std::vector<int>& order) {
  std::vector<int> place(order.size());
  for (std::size_t p = 0; p < order.size(); ++p) place[order[p]] = static_cast<int>(p);
  MoveHeldRows(0, static_cast<int64_t>(order.size()) - 1,
               [&](int64_t row) { return place[static_cast<std::size_t>(row)]; });
}

void TGridCells::CopyRow(int from, int to) {
  if (from < 0 || to < 0 || from == to) return;
  if (const Row* source = FindRow(from))
    RowAt(to).CopyOf(*source);
  else
    ClearRow(to);
}

void TGridCells::ClearRow(int row) {
  const Row* found = FindRow(row);
  if (found && !found->Empty()) RowAt(row) = Row();
}
