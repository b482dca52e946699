// Movable memory blocks handed between a program and the printer by handle, as Windows'
// GlobalAlloc family does. A block keeps its handle when it is resized; its bytes start
// zeroed and a resize keeps them, zeroing what it adds.
#pragma once

#include <cstddef>

struct GlobalBlock;
using HGLOBAL = GlobalBlock*;

enum : unsigned { GMEM_FIXED = 0x0, GMEM_MOVEABLE = 0x2, GMEM_ZEROINIT = 0x40,
                  GHND = GMEM_MOVEABLE | GMEM_ZEROINIT };

HGLOBAL GlobalAlloc(unsigned flags, std::size_t bytes);
// The same handle with the new size; null when the handle is null.
HGLOBAL GlobalReAlloc(HGLOBAL block, std::size_t bytes, unsigned flags);
// The block's bytes (null for a null handle or an empty block) until the matching unlock.
void* GlobalLock(HGLOBAL block);
bool GlobalUnlock(HGLOBAL block);  // true while other locks remain
std::size_t GlobalSize(HGLOBAL block);
// Frees the block; returns null.
HGLOBAL GlobalFree(HGLOBAL block);
