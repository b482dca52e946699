#include "platform/grids/grid_cells.h"

#include <algorithm>
#include <utility>

namespace {
constexpr int kPageBits = 8;
constexpr int kPageRows = 1 << kPageBits;
const AnsiString kEmpty;

// Shifts items[lo..hi] by one so that the item at `from` ends at `to` (both inside lo..hi).
template <typename T>
void MoveItem(T* items, int from, int to) {
  if (from < to)
    std::rotate(items + from, items + from + 1, items + to + 1);
  else
    std::rotate(items + to, items + from, items + from + 1);
}

// Grows a dense array to `size` entries, keeping its contents.
template <typename T>
void Grow(std::unique_ptr<T[]>& items, uint32_t& count, uint32_t size) {
  if (size <= count) return;
  auto grown = std::make_unique<T[]>(size);
  std::move(items.get(), items.get() + count, grown.get());
  items = std::move(grown);
  count = size;
}
// Room for the item at `col` in a row holding `count`: the row doubles (at least to 4 items)
// but never past the grid's width `hint` unless the item lies beyond it, so a row filled left
// to right is allocated a few times and a row with one cell near its start stays small
// however wide the grid is.
template <typename T>
void GrowFor(std::unique_ptr<T[]>& items, uint32_t& count, uint32_t col, uint32_t hint) {
  if (col < count) return;
  const uint32_t doubled = std::min(std::max<uint32_t>(count * 2, 4), hint);
  Grow(items, count, std::max(col + 1, doubled));
}

// Moves the item at `from` to `to` in a row of `count` stored items (those past it are
// empty). An empty item leaving for beyond the end, or coming in from there, shifts only the
// stored part, so moving or deleting a column of a wide grid does not widen every row to it.
template <typename T>
void MoveStored(std::unique_ptr<T[]>& items, uint32_t& count, uint32_t from, uint32_t to) {
  if (count <= std::min(from, to)) return;
  if (from >= count) {
    Grow(items, count, count + 1);
    MoveItem(items.get(), static_cast<int>(count - 1), static_cast<int>(to));
  } else if (to >= count && items[from] == T{}) {
    MoveItem(items.get(), static_cast<int>(from), static_cast<int>(count - 1));
  } else {
    Grow(items, count, std::max(from, to) + 1);
    MoveItem(items.get(), static_cast<int>(from), static_cast<int>(to));
  }
}

// A copy of `count` items, into the array it replaces when that has the same size.
template <typename T>
void CopyItems(std::unique_ptr<T[]>& items, uint32_t& itemCount, const T* from, uint32_t count) {
  if (itemCount != count) {
    items = std::make_unique<T[]>(count);
    itemCount = count;
  }
  std::copy(from, from + count, items.get());
}

// Two rows' cells trade places. Rows of the same width swap their cells in place, so that
// each row's cells stay where they were allocated: rows filled in order lie in order in
// memory, and a sort that walks the rows walks memory in order however it moved the cells.
template <typename T>
void SwapItems(std::unique_ptr<T[]>& a, uint32_t& countA, std::unique_ptr<T[]>& b,
               uint32_t& countB) {
  if (countA == countB) {
    std::swap_ranges(a.get(), a.get() + countA, b.get());
    return;
  }
  std::swap(a, b);
  std::swap(countA, countB);
}
}  // namespace

struct TGridCells::Row {
  std::unique_ptr<AnsiString[]> texts;
  std::unique_ptr<TObject*[]> objects;
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

bool TGridCells::HasRow(int row) const {
  const Row* r = FindRow(row);
  return r && !r->Empty();
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

bool TGridCells::AnyRowIn(int first, int last) const {
  for (int row = first; row <= last; ++row) {
    size_t page = static_cast<size_t>(row) >> kPageBits;
    if (page >= pages_.size()) return false;
    if (!pages_[page]) {
      row |= kPageRows - 1;  // skip the absent page
      continue;
    }
    if (!pages_[page]->rows[row & (kPageRows - 1)].Empty()) return true;
  }
  return false;
}

void TGridCells::MoveRow(int from, int to) {
  if (from < 0 || to < 0 || from == to) return;
  if (!AnyRowIn(std::min(from, to), std::max(from, to))) return;
  Row moving = std::move(RowAt(from));
  int step = from < to ? 1 : -1;
  for (int row = from; row != to; row += step) RowAt(row) = std::move(RowAt(row + step));
  RowAt(to) = std::move(moving);
}

void TGridCells::MoveColumn(int from, int to) {
  if (from < 0 || to < 0 || from == to) return;
  for (auto& page : pages_) {
    if (!page) continue;
    for (Row& r : page->rows) {
      MoveStored(r.texts, r.textCount, from, to);
      MoveStored(r.objects, r.objectCount, from, to);
    }
  }
}

void TGridCells::SwapRows(int a, int b) {
  if (a < 0 || b < 0 || a == b || (!FindRow(a) && !FindRow(b))) return;
  Row& x = RowAt(a);
  Row& y = RowAt(b);
  SwapItems(x.texts, x.textCount, y.texts, y.textCount);
  SwapItems(x.objects, x.objectCount, y.objects, y.objectCount);
}

// Rows take their new places by moving their arrays, a sort's million rows at little cost;
// the arrays then lie in memory in the rows' old order.
void TGridCells::PermuteRows(const std::vector<int>& order) {
  const auto count = static_cast<int>(order.size());
  std::vector<Row> taken(order.size());
  for (int p = 0; p < count; ++p)
    if (FindRow(p)) taken[p] = std::move(RowAt(p));
  for (int p = 0; p < count; ++p) {
    Row& source = taken[order[p]];
    if (!source.Empty() || FindRow(p)) RowAt(p) = std::move(source);
  }
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
