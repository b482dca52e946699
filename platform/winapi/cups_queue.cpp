#include "platform/winapi/cups_queue.h"

std::pair<std::string, std::string> CupsTrayOption(const std::string& keyword) {
  return {"media-col", "{media-source=" + keyword + "}"};
}

#ifdef KALVENTO_CUPS

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

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

// The position of the PPD's default InputSlot among its choices; -1 without one. CUPS lists
// the PPD's trays as media sources in the order of their choices, and a PPD queue tells its
// own tray nowhere else (lpadmin -o InputSlot=... changes the PPD).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
int PpdDefaultTray(const char* queue) {
  const char* file = cupsGetPPD2(CUPS_HTTP_DEFAULT, queue);
  if (!file) return -1;
  int position = -1;
  if (ppd_file_t* ppd = ppdOpenFile(file)) {
    if (ppd_option_t* slot = ppdFindOption(ppd, "InputSlot"))
      for (int i = 0; i < slot->num_choices; ++i)
        if (std::strcmp(slot->choices[i].choice, slot->defchoice) == 0) position = i;
    ppdClose(ppd);
  }
  unlink(file);
  return position;
}
#pragma GCC diagnostic pop

// The queue's own tray: as IPP tells it, else the PPD's.
const char* DefaultTrayKeyword(const char* queue, cups_dest_t* dest, cups_dinfo_t* info,
                               ipp_attribute_t* sources) {
  if (ipp_attribute_t* own = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, CUPS_MEDIA_SOURCE))
    return ippGetString(own, 0, nullptr);
  if (ipp_attribute_t* media = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "media-col"))
    if (ipp_t* collection = ippGetCollection(media, 0))
      if (ipp_attribute_t* own = ippFindAttribute(collection, CUPS_MEDIA_SOURCE, IPP_TAG_KEYWORD))
        return ippGetString(own, 0, nullptr);
  int position = sources ? PpdDefaultTray(queue) : -1;
  return position >= 0 && position < ippGetCount(sources) ? ippGetString(sources, position, nullptr)
                                                          : nullptr;
}

void ReadTrays(const char* queue, cups_dest_t* dest, cups_dinfo_t* info, CupsQueueExtras& extras) {
  ipp_attribute_t* sources =
      cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, CUPS_MEDIA_SOURCE);
  for (int i = 0, count = sources ? ippGetCount(sources) : 0; i < count; ++i)
    if (const char* keyword = ippGetString(sources, i, nullptr))
      extras.trays.push_back({TrayNumber(keyword, i), keyword});
  if (const char* keyword = DefaultTrayKeyword(queue, dest, info, sources))
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

const char* DefaultKeyword(cups_dest_t* dest, cups_dinfo_t* info, const char* option) {
  ipp_attribute_t* own = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, option);
  const char* keyword = own ? ippGetString(own, 0, nullptr) : nullptr;
  return keyword ? keyword : "";
}

void ReadDefaultSidesAndColor(cups_dest_t* dest, cups_dinfo_t* info, CupsQueueExtras& extras) {
  std::string sides = DefaultKeyword(dest, info, CUPS_SIDES);
  extras.defaultDuplex = sides == CUPS_SIDES_TWO_SIDED_PORTRAIT    ? pdLongEdge
                         : sides == CUPS_SIDES_TWO_SIDED_LANDSCAPE ? pdShortEdge
                                                                   : pdSimplex;
  std::string color = DefaultKeyword(dest, info, CUPS_PRINT_COLOR_MODE);
  extras.defaultColor = color.find("monochrome") == std::string::npos && color != "bi-level";
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
    ReadTrays(queue.c_str(), dest, info, extras);
    ReadDefaultResolution(dest, info, extras);
    ReadDefaultSidesAndColor(dest, info, extras);
    cupsFreeDestInfo(info);
  }
  cupsFreeDests(1, dest);
  return info != nullptr;
}

// Choosing the server again closes the connection to it.
void ReconnectCups() { cupsSetServer(nullptr); }

#else

bool ReadCupsExtras(const AnsiString&, CupsQueueExtras&) { return false; }

void ReconnectCups() {}

#endif
