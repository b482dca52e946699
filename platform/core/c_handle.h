// Ownership of objects a C library hands out: a unique_ptr that frees through the library's
// own function, so no path out of a scope (an exception included) leaves one behind.
#pragma once

#include <cstdio>
#include <memory>

// Calls Free on the object. Where Free's answer matters (a writer's close), the owner
// release()s the handle and asks for it itself.
template <auto Free>
struct CFree {
  template <typename T>
  void operator()(T* object) const {
    Free(object);
  }
};

template <typename T, auto Free>
using CHandle = std::unique_ptr<T, CFree<Free>>;

inline void CloseFile(FILE* file) { std::fclose(file); }

// A stdio stream closed with its owner.
using FilePtr = CHandle<FILE, CloseFile>;

// Closes the stream now: false when there was none or buffered writes failed on the way
// out (a full disk shows only here).
inline bool CloseNow(FilePtr& file) { return file && std::fclose(file.release()) == 0; }
