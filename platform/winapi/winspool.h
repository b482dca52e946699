// The spooler's calls over the installed printers (print_device.h): the printers' list,
// what each can do, and its device mode. Every printer is local to this machine.
#pragma once

#include <cstdint>

#include "platform/winapi/devmode.h"

using DWORD = uint32_t;

enum : DWORD { PRINTER_ENUM_DEFAULT = 1, PRINTER_ENUM_LOCAL = 2, PRINTER_ENUM_CONNECTIONS = 4 };
enum : DWORD { PRINTER_ATTRIBUTE_LOCAL = 0x40 };

struct PRINTER_INFO_4A {
  char* pPrinterName;
  char* pServerName;
  DWORD Attributes;
};

struct PRINTER_INFO_5A {
  char* pPrinterName;
  char* pPortName;
  DWORD Attributes;
  DWORD DeviceNotSelectedTimeout;
  DWORD TransmissionRetryTimeout;
};

// Fills the buffer with one record of the level (4 or 5) per printer, their texts behind the
// records. A buffer too small (or none) gives false with the size needed in `needed`; an
// unknown level or no flag asking for local printers gives false with nothing needed.
bool EnumPrintersA(DWORD flags, char* name, DWORD level, uint8_t* buffer, DWORD bufferSize,
                   DWORD* needed, DWORD* returned);

// DocumentPropertiesA's modes; with none it answers the size of the printer's device mode.
enum : DWORD { DM_OUT_BUFFER = 2, DM_IN_PROMPT = 4, DM_IN_BUFFER = 8 };

// Writes the printer's own device mode (its settings before any program changes them) into
// `out` with DM_OUT_BUFFER and returns IDOK (1); `out` must hold the size that mode 0
// answers. An unknown printer gives -1. The window, the printer handle and `in` are not used.
int DocumentPropertiesA(void* window, void* printer, const char* deviceName, DEVMODEA* out,
                        const DEVMODEA* in, DWORD mode);

enum : uint16_t { DC_FIELDS = 1, DC_PAPERS = 2, DC_PAPERSIZE = 3, DC_MINEXTENT = 4,
                  DC_MAXEXTENT = 5, DC_BINS = 6, DC_DUPLEX = 7, DC_BINNAMES = 12,
                  DC_ENUMRESOLUTIONS = 13, DC_PAPERNAMES = 16, DC_ORIENTATION = 17,
                  DC_COPIES = 18 };

// What a printer can do. Lists give their count and, with an output buffer, fill it: papers
// and trays as 16-bit numbers, paper sizes as POINTs in tenths of a millimetre, resolutions
// as pairs of 32-bit dots per inch, paper names in 64 and tray names in 24 characters each
// (NUL-filled, not terminated when full). DC_COPIES and DC_DUPLEX give their value,
// DC_ORIENTATION the turn of landscape pages (90 degrees, 0 for a printer without them), the
// extents x in the low and y in the high 16 bits. An unknown printer or capability gives -1.
int DeviceCapabilitiesA(const char* device, const char* port, uint16_t capability, char* output,
                        const DEVMODEA* devMode);
