// The grid's version: a 32-bit number of four byte-sized parts, highest first, and its text.
#pragma once

#include <cstdint>

#include "platform/core/text.h"

constexpr uint32_t kExtGridVersionNr = 0x02020006;  // 2.2.0.6

// "2.2.0.6 April, 2002"
AnsiString ExtGridVersionString(uint32_t VersionNr);
