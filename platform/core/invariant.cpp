#include "platform/core/invariant.h"

#include <cstdio>
#include <cstdlib>

void InvariantBroken(const char* Structure, const std::string& Fault) {
  std::fprintf(stderr, "%s broken: %s\n", Structure, Fault.c_str());
  std::abort();
}
