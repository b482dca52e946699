// The device mode: the record in which a program and a printer exchange a job's settings,
// 156 bytes as Windows lays it out, possibly followed by data private to the printer
// (dmDriverExtra bytes). The printers of this layer keep none; a device mode is made from a
// printer's setup and read back into one.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/winapi/print_device.h"

// dmFields: which members a device mode sets.
enum : uint32_t {
  DM_ORIENTATION = 0x1, DM_PAPERSIZE = 0x2, DM_PAPERLENGTH = 0x4, DM_PAPERWIDTH = 0x8,
  DM_SCALE = 0x10, DM_COPIES = 0x100, DM_DEFAULTSOURCE = 0x200, DM_PRINTQUALITY = 0x400,
  DM_COLOR = 0x800, DM_DUPLEX = 0x1000, DM_YRESOLUTION = 0x2000, DM_TTOPTION = 0x4000,
  DM_COLLATE = 0x8000, DM_FORMNAME = 0x10000
};
enum : int16_t { DMORIENT_PORTRAIT = 1, DMORIENT_LANDSCAPE = 2 };
enum : int16_t { DMCOLOR_MONOCHROME = 1, DMCOLOR_COLOR = 2 };
enum : int16_t { DMDUP_SIMPLEX = 1, DMDUP_VERTICAL = 2, DMDUP_HORIZONTAL = 3 };
enum : int16_t { DMCOLLATE_FALSE = 0, DMCOLLATE_TRUE = 1 };
// Paper numbers this layer names itself; the others are those of the printers' lists.
enum : int { DMPAPER_LETTER = 1, DMPAPER_A4 = 9, DMPAPER_USER = 256 };
// Tray numbers: the common ones; a printer's own trays count from DMBIN_USER.
enum : int { DMBIN_UPPER = 1, DMBIN_LOWER = 2, DMBIN_MIDDLE = 3, DMBIN_MANUAL = 4,
             DMBIN_ENVELOPE = 5, DMBIN_ENVMANUAL = 6, DMBIN_AUTO = 7, DMBIN_TRACTOR = 8,
             DMBIN_SMALLFMT = 9, DMBIN_LARGEFMT = 10, DMBIN_LARGECAPACITY = 11,
             DMBIN_CASSETTE = 14, DMBIN_FORMSOURCE = 15, DMBIN_USER = 256 };

#pragma pack(push, 2)
struct DEVMODEA {
  char dmDeviceName[32];
  uint16_t dmSpecVersion;
  uint16_t dmDriverVersion;
  uint16_t dmSize;
  uint16_t dmDriverExtra;
  uint32_t dmFields;
  int16_t dmOrientation;
  int16_t dmPaperSize;
  int16_t dmPaperLength;
  int16_t dmPaperWidth;
  int16_t dmScale;
  int16_t dmCopies;
  int16_t dmDefaultSource;
  int16_t dmPrintQuality;
  int16_t dmColor;
  int16_t dmDuplex;
  int16_t dmYResolution;
  int16_t dmTTOption;
  int16_t dmCollate;
  char dmFormName[32];
  uint8_t dmDisplayPart[54];  // the screen's members, which no printer reads
};
#pragma pack(pop)
static_assert(sizeof(DEVMODEA) == 156);
static_assert(offsetof(DEVMODEA, dmFields) == 40 && offsetof(DEVMODEA, dmFormName) == 70);

// The device mode of a setup on a printer: every printer member set, no private data.
DEVMODEA DevModeOf(const TPrintDevice& device, const TPrintSetup& setup);
// Takes the members a device mode sets (dmFields) into the setup. Only bytes within both
// `size` and the record's dmSize count; values the printer cannot take are passed over.
void ApplyDevMode(const TPrintDevice& device, const void* bytes, std::size_t size,
                  TPrintSetup& setup);
