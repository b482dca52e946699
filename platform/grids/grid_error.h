// What a grid raises when asked for something its shape does not allow.
#pragma once

#include "platform/core/exception.h"

class EInvalidGridOperation : public Exception {
 public:
  using Exception::Exception;
};

inline constexpr const char* kGridIndexOutOfRange = "Grid index out of range";
inline constexpr const char* kFixedColTooBig = "Fixed column count must be less than column count";
inline constexpr const char* kFixedRowTooBig = "Fixed row count must be less than row count";
inline constexpr const char* kGridLineCannotGrow = "Cannot insert or delete rows from grid";
