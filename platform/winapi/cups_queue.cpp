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

void ReadTrays(cups_dest_t* dest, cups_dinfo_t* info, CupsQueueExtras& extras) {
  ipp_attribute_t* sources =
      cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, CUPS_MEDIA_SOURCE);
  for (int i = 0, count = sources ? ippGetCount(sources) : 0; i < count; ++i)
    if (const char* keyword = ippGetString(sources, i, nullptr))
      extras.trays.push_back({TrayNumber(keyword, i), keyword});
  ipp_attribute_t* own = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, CUPS_MEDIA_SOURCE);
  if (const char* keyword = own ? ippGetString(own, 0, nullptr) : nullptr)
    for (const TTrayInfo& tray : extras.trays)
      if (tray.Name == keyword) extras.defaultTray = tray.Number;
}

void ReadDefaultResolution(cups_dest_t* dest, cups_dinfo_t* info, CupsQueueExtras& extras) {
  ipp_attribute_t* own = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution");
  if (!own || ippGetValueTag(own) != IPP_TAG_RESOLUTION) return;
  int y = 0;
  ipp_res_t units = IPP_RES_PER_INCH;
  int x = ippGetResolution(own, 0, &y, &units);
  // Dots per centimetre become dots per inch.
  if (units == IPP_RES_PER_CM) x = x * 254 / 100, y = y * 254 / 100;
  extras.defaultResolution = {x, y};
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
    ReadTrays(dest, info, extras);
    ReadDefaultResolution(dest, info, extras);
    cupsFreeDestInfo(info);
  }
  cupsFreeDests(1, dest);
  return info != nullptr;
}

bool SubmitCupsJob(const std::string& queue, const std::string& file, const std::string& title,
                   const CupsOptions& options, std::string& failure) {
  cups_option_t* list = nullptr;
  int count = 0;
  for (const auto& [name, value] : options)
    count = cupsAddOption(name.c_str(), value.c_str(), count, &list);
  int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.c_str(), file.c_str(), title.c_str(), count,
                           list);
  cupsFreeOptions(count, list);
  if (job > 0) return true;
  const char* reason = cupsLastErrorString();
  failure = reason && *reason ? reason : "the print service did not take the job";
  return false;
}

#else

bool ReadCupsExtras(const AnsiString&, CupsQueueExtras&) { return false; }

bool SubmitCupsJob(const std::string&, const std::string&, const std::string&, const CupsOptions&,
                   std::string& failure) {
  failure = "the program was built without the print service";
  return false;
}

#endif
