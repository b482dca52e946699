// Work that may go wrong beyond recovery, done in a child process: a library that reads
// outside its buffers on damaged input then ends the child, never the program.
#pragma once

#include <functional>
#include <optional>
#include <string>

// The bytes Work returns, as the child hands them over; nothing when the child could not be
// started or did not end normally. The child runs no more than Work and leaves at once.
std::optional<std::string> RunInChildProcess(const std::function<std::string()>& Work);
