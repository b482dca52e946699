// The spooler's printer enumeration over the installed printers (print_device.h): every
// printer is local to this machine.
#pragma once

#include <cstdint>

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
