#include "platform/core/global_memory.h"

#include <vector>

struct GlobalBlock {
  std::vector<unsigned char> bytes;
  int locks = 0;
};

HGLOBAL GlobalAlloc(unsigned /*flags*/, std::size_t bytes) {
  auto* block = new GlobalBlock;
  block->bytes.resize(bytes);
  return block;
}

HGLOBAL GlobalReAlloc(HGLOBAL block, std::size_t bytes, unsigned /*flags*/) {
  if (!block) return nullptr;
  block->bytes.resize(bytes);
  return block;
}

void* GlobalLock(HGLOBAL block) {
  if (!block || block->bytes.empty()) return nullptr;
  ++block->locks;
  return block->bytes.data();
}

bool GlobalUnlock(HGLOBAL block) {
  if (!block || block->locks == 0) return false;
  return --block->locks > 0;
}

std::size_t GlobalSize(HGLOBAL block) { return block ? block->bytes.size() : 0; }

HGLOBAL GlobalFree(HGLOBAL block) {
  delete block;
  return nullptr;
}
