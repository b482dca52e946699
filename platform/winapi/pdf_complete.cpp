#include "platform/winapi/pdf_complete.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

// Up to `count` bytes at `offset`.
std::string BytesAt(FILE* file, long offset, std::size_t count) {
  std::string bytes(count, '\0');
  if (offset < 0 || std::fseek(file, offset, SEEK_SET) != 0) return "";
  bytes.resize(std::fread(bytes.data(), 1, count, file));
  return bytes;
}

bool Blank(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }

}  // namespace

bool PdfComplete(const AnsiString& fileName) {
  File file(std::fopen(fileName.c_str(), "rb"), std::fclose);
  if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return false;
  long size = std::ftell(file.get());
  constexpr long kTail = 1024;
  std::string tail = BytesAt(file.get(), std::max(0L, size - kTail), kTail);
  while (!tail.empty() && Blank(tail.back())) tail.pop_back();
  if (!tail.ends_with("%%EOF")) return false;
  std::size_t at = tail.rfind("startxref");
  if (at == std::string::npos) return false;
  char* end = nullptr;
  long offset = std::strtol(tail.c_str() + at + 9, &end, 10);
  if (end == tail.c_str() + at + 9 || offset <= 0 || offset >= size) return false;
  std::string xref = BytesAt(file.get(), offset, 32);
  // A cross-reference stream is an object: "n 0 obj".
  return xref.starts_with("xref") || xref.find(" obj") != std::string::npos;
}
