// Invariant checks of the debug build (the sanitizer build is one): a structure's fault,
// looked for at the end of an operation that changed it, stops the program right there with
// its text rather than as a wrong picture much later. With NDEBUG nothing is looked for.
#pragma once

#include <string>

// Writes the structure's name and the fault to stderr and aborts.
[[noreturn]] void InvariantBroken(const char* Structure, const std::string& Fault);

// FaultOf() answers what is wrong with the structure, empty when nothing is.
template <typename FaultOf>
void CheckInvariant([[maybe_unused]] const char* Structure, [[maybe_unused]] FaultOf&& faultOf) {
#ifndef NDEBUG
  if (const std::string fault = faultOf(); !fault.empty()) InvariantBroken(Structure, fault);
#endif
}
