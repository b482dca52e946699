#include "platform/winapi/cups_queue.h"

#ifdef KALVENTO_CUPS

#include <cups/cups.h>

#include <cstring>

namespace {

// The trays that device modes know by number; the others count from DMBIN_USER.
int TrayNumber(const char* keyword, int index) {
  static const struct {
    const char* keyword;
    int number;
  } kTrays[] = {{"top", 1},      {"main", 1},          {"bottom", 2},         {"middle", 3},
                {"manual", 4},   {"envelope", 5},      {"auto", 7},           {"large-capacity", 11},
                {"tractor", 8}};
  for (const auto& tray : kTrays)
    if (std::strcmp(keyword, tray.keyword) == 0) return tray.number;
  return 256 + index;
}

}  // namespace

bool ReadCupsExtras(const AnsiString& queue, CupsQueueExtras& extras) {
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
  if (!dest) return false;
  cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest);
  if (info) {
    ipp_attribute_t* copies = cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, CUPS_COPIES);
    if (copies && ippGetValueTag(copies) == IPP_TAG_RANGE) {
      int upper = 0;
      ippGetRange(copies, 0, &upper);
      extras.maxCopies = upper;
    }
    ipp_attribute_t* sources =
        cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, CUPS_MEDIA_SOURCE);
    for (int i = 0, count = sources ? ippGetCount(sources) : 0; i < count; ++i)
      if (const char* keyword = ippGetString(sources, i, nullptr))
        extras.trays.push_back({TrayNumber(keyword, i), keyword});
    cupsFreeDestInfo(info);
  }
  cupsFreeDests(1, dest);
  return info != nullptr;
}

#else

bool ReadCupsExtras(const AnsiString&, CupsQueueExtras&) { return false; }

#endif
