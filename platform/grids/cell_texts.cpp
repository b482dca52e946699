#include "platform/grids/cell_texts.h"

#include <cstddef>
#include <memory>
#include <new>

namespace {

// Before every array: its length and, for a slot of a shared array, its place there (from 1;
// 0 for an array of its own).
struct ArrayHead {
  uint32_t count;
  uint32_t slot;
};
// Before the slots of a shared array: how many of them still hold their texts, and its maker.
struct SharedHead {
  uint64_t holders;
};
// The texts behind the heads stand as aligned as a plain operator new places them.
static_assert(alignof(AnsiString) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
static_assert(sizeof(ArrayHead) % alignof(AnsiString) == 0);
static_assert(sizeof(SharedHead) % alignof(AnsiString) == 0);

std::size_t ArrayBytes(uint32_t count) { return sizeof(ArrayHead) + count * sizeof(AnsiString); }

// Makes the head and the empty texts at `at`; the texts' default construction cannot throw.
AnsiString* PlaceArray(char* at, uint32_t count, uint32_t slot) {
  new (at) ArrayHead{count, slot};
  auto* texts = reinterpret_cast<AnsiString*>(at + sizeof(ArrayHead));
  std::uninitialized_default_construct_n(texts, count);
  return texts;
}

}  // namespace

void CellTextsRelease::operator()(AnsiString* texts) const noexcept {
  char* at = reinterpret_cast<char*>(texts) - sizeof(ArrayHead);
  const ArrayHead head = *reinterpret_cast<ArrayHead*>(at);
  std::destroy_n(texts, head.count);
  if (head.slot == 0) return ::operator delete(at);
  char* block = at - sizeof(SharedHead) - (head.slot - 1) * ArrayBytes(head.count);
  if (--reinterpret_cast<SharedHead*>(block)->holders == 0) ::operator delete(block);
}

CellTexts NewCellTexts(uint32_t count) {
  return CellTexts(PlaceArray(static_cast<char*>(::operator new(ArrayBytes(count))), count, 0));
}

SharedCellTexts::SharedCellTexts(uint32_t rows, uint32_t count)
    : block_(static_cast<char*>(::operator new(sizeof(SharedHead) + rows * ArrayBytes(count)))),
      rows_(rows),
      count_(count) {
  // Every slot holds until it is taken and let go, and the maker until it goes.
  new (block_) SharedHead{uint64_t{rows} + 1};
}

CellTexts SharedCellTexts::Take() {
  if (taken_ == rows_) return NewCellTexts(count_);
  char* at = block_ + sizeof(SharedHead) + taken_ * ArrayBytes(count_);
  ++taken_;
  return CellTexts(PlaceArray(at, count_, taken_));
}

SharedCellTexts::~SharedCellTexts() {
  auto* head = reinterpret_cast<SharedHead*>(block_);
  head->holders -= rows_ - taken_ + 1;
  if (head->holders == 0) ::operator delete(block_);
}
