#include "components/grid/grid/ExtGridVersion.h"

AnsiString ExtGridVersionString(uint32_t VersionNr) {
  AnsiString text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (!text.empty()) text += '.';
    text += std::to_string((VersionNr >> shift) & 0xFF);
  }
  return text + " April, 2002";
}
