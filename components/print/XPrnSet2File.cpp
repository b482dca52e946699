// The settings file: a 32-byte header text, the format number 1, the 128-byte printer name
// and the device mode with its private data.
#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "components/print/XPrnSet2.h"
#include "platform/core/file_bytes.h"
#include "platform/core/files.h"

namespace {

constexpr char kHeader[32] = "XPrintSet Printer Settings";
constexpr uint32_t kFormat = 1;
constexpr size_t kHeaderSize = 36;
constexpr size_t kNameSize = 128;

void PutU32(std::string& to, uint32_t value) {
  for (int i = 0; i < 4; ++i) to.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

uint32_t U32(const uint8_t* from) {
  return from[0] | (from[1] << 8) | (from[2] << 16) | (uint32_t{from[3]} << 24);
}

// Reads exactly `size` bytes at `offset`; false on an error or a short file.
bool ReadAt(int fd, off_t offset, void* to, size_t size) {
  auto* bytes = static_cast<uint8_t*>(to);
  while (size > 0) {
    ssize_t n = ::pread(fd, bytes, size, offset);
    if (n <= 0) return false;
    bytes += n;
    offset += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

int TCurrentSettings::GetDevModeSize() const {
  return Printers() ? DevModeSizeOf(GetRecord()) : 0;
}

// Written beside the old file and renamed over it, so a failed write keeps the old settings.
int TCurrentSettings::SaveToFile(const AnsiString& FileName) const {
  if (!Printers()) return 2;
  if (FileName.empty()) return 1;
  const TPrinterSettings& record = GetRecord();
  int size = DevModeSizeOf(record);
  if (size > kDevModeRoom) return 3;
  std::string bytes(kHeader, sizeof kHeader);
  PutU32(bytes, kFormat);
  bytes.append(reinterpret_cast<const char*>(&record), kNameSize + size);
  return WriteFileBytes(FileName, bytes) ? 0 : 3;
}

int TCurrentSettings::LoadFromFile(const AnsiString& FileName) {
  if (!Printers()) return 2;
  if (FileName.empty()) return 1;
  Descriptor file{::open(NativePath(FileName).c_str(), O_RDONLY | O_CLOEXEC)};
  if (file.fd < 0) return 4;
  uint8_t header[kHeaderSize];
  if (!ReadAt(file.fd, 0, header, sizeof header)) return 5;
  if (std::memcmp(header, kHeader, sizeof kHeader) != 0 || U32(header + 32) != kFormat) return 6;
  auto read = std::make_unique<TPrinterSettings>();
  std::memset(read.get(), 0, sizeof *read);
  if (!ReadAt(file.fd, kHeaderSize, read.get(), kNameSize + sizeof(DEVMODEA))) return 5;
  // A name longer than its field, or a device mode larger than the record, is not copied.
  if (read->PrinterName[0] > kNameSize - 1) return 6;
  int size = DevModeSizeOf(*read);
  if (size > kDevModeRoom) return 5;
  if (!ReadAt(file.fd, kHeaderSize + kNameSize, DevModeBytesOf(*read), size)) return 5;
  switch (Adopt(*read)) {
    case Adoption::Set: return 0;
    case Adoption::UnknownPrinter: return 7;
    case Adoption::Refused: return 8;
  }
  return 8;
}
