#include "platform/core/debug_output.h"

#include <cstdio>

// Each text is a line of its own, as the debugger shows it.
void OutputDebugString(const AnsiString& text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fputc('\n', stderr);
}
