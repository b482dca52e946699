#include "platform/winapi/winspool.h"

#include <cstring>
#include <vector>

#include "platform/winapi/print_device.h"

namespace {

template <typename Info>
void Fill(const std::vector<AnsiString>& names, uint8_t* buffer) {
  auto* records = reinterpret_cast<Info*>(buffer);
  char* text = reinterpret_cast<char*>(buffer + names.size() * sizeof(Info));
  for (size_t i = 0; i < names.size(); ++i) {
    Info info{};
    info.pPrinterName = text;
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    std::memcpy(text, names[i].c_str(), names[i].size() + 1);
    text += names[i].size() + 1;
    if constexpr (sizeof(Info) == sizeof(PRINTER_INFO_5A)) {
      info.pPortName = text;  // a CUPS queue has no port: an empty text
      *text++ = '\0';
    }
    records[i] = info;
  }
}

template <typename Info>
size_t SizeOf(const std::vector<AnsiString>& names) {
  size_t size = names.size() * sizeof(Info);
  for (const AnsiString& name : names)
    size += name.size() + (sizeof(Info) == sizeof(PRINTER_INFO_5A) ? 2 : 1);
  return size;
}

}  // namespace

bool EnumPrintersA(DWORD flags, char* /*name*/, DWORD level, uint8_t* buffer, DWORD bufferSize,
                   DWORD* needed, DWORD* returned) {
  if (needed) *needed = 0;
  if (returned) *returned = 0;
  if ((level != 4 && level != 5) || !(flags & (PRINTER_ENUM_LOCAL | PRINTER_ENUM_DEFAULT)))
    return false;
  std::vector<AnsiString> names;
  for (const auto& printer : InstalledPrinters()) names.push_back(printer->Name());
  if (flags == PRINTER_ENUM_DEFAULT) {
    int index = DefaultPrinterIndex();
    names = index < 0 ? std::vector<AnsiString>() : std::vector<AnsiString>{names[index]};
  }
  size_t size = level == 4 ? SizeOf<PRINTER_INFO_4A>(names) : SizeOf<PRINTER_INFO_5A>(names);
  if (needed) *needed = static_cast<DWORD>(size);
  if (bufferSize < size || (size > 0 && !buffer)) return false;
  if (level == 4) Fill<PRINTER_INFO_4A>(names, buffer);
  else Fill<PRINTER_INFO_5A>(names, buffer);
  if (returned) *returned = static_cast<DWORD>(names.size());
  return true;
}
