// The grid's own exception. Each message is declared beside the code that raises it.
#pragma once

#include "platform/core/exception.h"

class EExtGridError : public Exception {
 public:
  using Exception::Exception;
};
