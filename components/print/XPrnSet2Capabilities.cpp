// What the current printer can do, as its driver answers DeviceCapabilitiesA.
#include <algorithm>
#include <cstring>
#include <vector>

#include "components/print/XPrnSet2.h"
#include "platform/winapi/gdi.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/winspool.h"

namespace {

constexpr int kMaxPapers = 2048;
constexpr int kMaxTrays = 64;
constexpr int kMaxResolutions = 32;

// One list the driver reports, `width` bytes an item. The buffer holds what the driver
// reports and at least `atLeast` items (zeroed), so a list shorter than its companion lists
// reads as empty entries rather than past its end.
struct Answer {
  int count = 0;
  std::vector<char> bytes;
  size_t width = 0;

  uint16_t Word(int i) const {
    uint16_t v;
    std::memcpy(&v, &bytes[i * width], sizeof v);
    return v;
  }
  int32_t Int(int i, int k) const {
    int32_t v;
    std::memcpy(&v, &bytes[i * width + k * sizeof v], sizeof v);
    return v;
  }
  AnsiString Text(int i) const {
    const char* text = &bytes[i * width];
    return AnsiString(text, strnlen(text, width));
  }
};

Answer Ask(const AnsiString& device, uint16_t capability, size_t width, int atLeast = 0) {
  Answer answer;
  answer.width = width;
  int count = DeviceCapabilitiesA(device.c_str(), "", capability, nullptr, nullptr);
  answer.bytes.assign(std::max(std::max(count, atLeast), 1) * width, 0);
  if (count > 0 &&
      DeviceCapabilitiesA(device.c_str(), "", capability, answer.bytes.data(), nullptr) > 0)
    answer.count = count;
  return answer;
}

TPoint Unpacked(int extent) {
  if (extent == -1) return {};
  auto bits = static_cast<uint32_t>(extent);
  return {static_cast<int>(bits & 0xFFFF), static_cast<int>(bits >> 16)};
}

}  // namespace

void TCapabilities::Update(const TCurrentSettings* Settings) {
  if (!owner_->GetPrintersAvailable()) return;
  int index = owner_->GetCurrentPrinter();
  TStrings* printers = Printer()->GetPrinters();
  AnsiString device = index >= 0 && index < printers->Count() ? printers->Strings(index) : "";
  UpdateLimits(device);
  UpdatePapers(device);
  UpdateTrays(device);
  UpdateResolutions(device, Settings);
  HDC dc = Printer()->GetHandle();
  colorDepth_ = !dc || owner_->GetCriticalPrinter() ? 1 : GetDeviceCaps(dc, BITSPIXEL);
}

void TCapabilities::UpdateLimits(const AnsiString& device) {
  int copies = DeviceCapabilitiesA(device.c_str(), "", DC_COPIES, nullptr, nullptr);
  maxCopies_ = copies > 0 ? copies : 1;
  duplex_ = DeviceCapabilitiesA(device.c_str(), "", DC_DUPLEX, nullptr, nullptr) > 0;
  maxExtent_ = Unpacked(DeviceCapabilitiesA(device.c_str(), "", DC_MAXEXTENT, nullptr, nullptr));
  minExtent_ = Unpacked(DeviceCapabilitiesA(device.c_str(), "", DC_MINEXTENT, nullptr, nullptr));
}

void TCapabilities::UpdatePapers(const AnsiString& device) {
  papers_.Clear();
  Answer sizes = Ask(device, DC_PAPERSIZE, 8);
  Answer numbers = Ask(device, DC_PAPERS, 2, sizes.count);
  Answer names = Ask(device, DC_PAPERNAMES, 64, sizes.count);
  for (int i = 0; i < std::min(sizes.count, kMaxPapers); ++i)
    papers_.Add(numbers.Word(i), names.Text(i), sizes.Int(i, 0), sizes.Int(i, 1));
}

void TCapabilities::UpdateTrays(const AnsiString& device) {
  trays_.Clear();
  Answer numbers = Ask(device, DC_BINS, 2);
  Answer names = Ask(device, DC_BINNAMES, 24, numbers.count);
  for (int i = 0; i < std::min(numbers.count, kMaxTrays); ++i)
    trays_.Add(numbers.Word(i), names.Text(i));
}

// A driver that lists no resolution prints at its device mode's (a critical printer, whose
// driver is not asked more) or its page's.
void TCapabilities::UpdateResolutions(const AnsiString& device, const TCurrentSettings* settings) {
  resolutions_.Clear();
  Answer pairs = Ask(device, DC_ENUMRESOLUTIONS, 8);
  for (int i = 0; i < std::min(pairs.count, kMaxResolutions); ++i)
    resolutions_.Add(pairs.Int(i, 0), pairs.Int(i, 1));
  if (resolutions_.GetCount() > 0) return;
  if (owner_->GetCriticalPrinter() && settings) {
    const DEVMODEA& mode = settings->GetRecord().DevMode;
    resolutions_.Add(mode.dmPrintQuality, mode.dmYResolution);
  } else {
    HDC dc = Printer()->GetHandle();
    resolutions_.Add(GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY));
  }
}
