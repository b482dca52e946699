// Test support: the message of the grid error a call raises.
#pragma once

#include "components/grid/grid/ExtGridError.h"

template <typename Call>
AnsiString ErrorOf(Call call) {
  try {
    call();
  } catch (const EExtGridError& e) {
    return e.Message;
  }
  return "no error";
}
