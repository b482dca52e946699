#include "platform/winapi/winspool.h"

#include <algorithm>
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

namespace {

TPrintDevice* DeviceNamed(const char* name) { return name ? InstalledPrinter(name) : nullptr; }

// Writes the items into the buffer, when there is one, and answers their count.
template <typename Item, typename Write>
int List(const std::vector<Item>& items, char* output, size_t width, Write write) {
  if (output)
    for (size_t i = 0; i < items.size(); ++i) write(items[i], output + i * width);
  return static_cast<int>(items.size());
}

void WriteName(const AnsiString& name, char* to, size_t width) {
  std::memset(to, 0, width);
  std::memcpy(to, name.data(), std::min(name.size(), width));
}

void WriteInts(char* to, std::initializer_list<int32_t> values) {
  for (int32_t v : values) {
    std::memcpy(to, &v, sizeof v);
    to += sizeof v;
  }
}

// An extent as two 16-bit halves; a paper longer than a half holds (3.2 m) is capped there
// instead of wrapping to a small one.
int Packed(TSize size) {
  auto half = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 0x7FFF)); };
  return static_cast<int>((half(size.cy) << 16) | half(size.cx));
}

}  // namespace

int DocumentPropertiesA(void* /*window*/, void* /*printer*/, const char* deviceName,
                        DEVMODEA* out, const DEVMODEA* /*in*/, DWORD mode) {
  TPrintDevice* device = DeviceNamed(deviceName);
  if (!device) return -1;
  if (mode == 0) return sizeof(DEVMODEA);
  if ((mode & DM_OUT_BUFFER) && out) *out = DevModeOf(*device, TPrintSetup());
  return 1;
}

int DeviceCapabilitiesA(const char* deviceName, const char* /*port*/, uint16_t capability,
                        char* output, const DEVMODEA* /*devMode*/) {
  TPrintDevice* device = DeviceNamed(deviceName);
  if (!device) return -1;
  const TPrintDeviceInfo& info = device->Info();
  auto number = [](int n, char* to) {
    uint16_t v = static_cast<uint16_t>(n);
    std::memcpy(to, &v, sizeof v);
  };
  switch (capability) {
    case DC_COPIES: return info.MaxCopies;
    case DC_DUPLEX: return info.Duplex ? 1 : 0;
    case DC_ORIENTATION: return device->Capabilities().Contains(pcOrientation) ? 90 : 0;
    case DC_MINEXTENT: return Packed(info.MinExtent);
    case DC_MAXEXTENT: return Packed(info.MaxExtent);
    case DC_PAPERS:
      return List(info.Papers, output, 2, [&](const TPaperInfo& p, char* to) { number(p.Number, to); });
    case DC_PAPERNAMES:
      return List(info.Papers, output, 64,
                  [](const TPaperInfo& p, char* to) { WriteName(p.Name, to, 64); });
    case DC_PAPERSIZE:
      return List(info.Papers, output, 8,
                  [](const TPaperInfo& p, char* to) { WriteInts(to, {p.Size.cx, p.Size.cy}); });
    case DC_BINS:
      return List(info.Trays, output, 2, [&](const TTrayInfo& t, char* to) { number(t.Number, to); });
    case DC_BINNAMES:
      return List(info.Trays, output, 24,
                  [](const TTrayInfo& t, char* to) { WriteName(t.Name, to, 24); });
    case DC_ENUMRESOLUTIONS:
      return List(info.Resolutions, output, 8,
                  [](const TSize& r, char* to) { WriteInts(to, {r.cx, r.cy}); });
    default: return -1;
  }
}
