#include "components/grid/formats/TextLines.h"

#include <cerrno>

#include "platform/core/file_bytes.h"
#include "platform/core/files.h"
#include "platform/core/save_failure.h"

namespace {
constexpr char kEndOfText = 26;
}  // namespace

std::vector<AnsiString> SplitTextLines(const std::string& Bytes) {
  std::size_t end = Bytes.size();
  if (end > 0 && Bytes[end - 1] == kEndOfText) --end;
  std::vector<AnsiString> lines;
  for (std::size_t pos = 0; pos < end;) {
    std::size_t cr = Bytes.find('\r', pos);
    if (cr == std::string::npos || cr >= end) cr = end;
    lines.emplace_back(Bytes, pos, cr - pos);
    pos = cr + 1;
    if (pos < end && Bytes[pos] == '\n') ++pos;
  }
  return lines;
}

void AppendTextLine(std::string& Out, const AnsiString& Line) {
  Out += Line;
  Out += "\r\n";
}

bool ReadTextLines(const AnsiString& FileName, std::vector<AnsiString>& Lines) {
  std::string bytes;
  if (!ReadFileBytes(FileName, bytes)) return false;
  Lines = SplitTextLines(bytes);
  return true;
}

bool WriteTextFile(const AnsiString& FileName, const std::string& Text, bool Append) {
  std::string old;
  if (Append && FileExists(FileName) && !ReadFileBytes(FileName, old)) return false;
  return WriteFileBytes(FileName, old + Text);
}

AnsiString WriteTextFailure(const AnsiString& FileName, const AnsiString& Failure) {
  return SaveFailureText(FileName, errno, Failure + FileName);
}

int LenientInt(const AnsiString& Text) {
  std::size_t i = Text.find_first_not_of(' ');
  if (i == std::string::npos) return 0;
  const bool negative = Text[i] == '-';
  if (Text[i] == '-' || Text[i] == '+') ++i;
  int64_t value = 0;
  for (; i < Text.size() && Text[i] >= '0' && Text[i] <= '9' && value <= kMaxLoadedLines; ++i)
    value = value * 10 + (Text[i] - '0');
  value = std::min<int64_t>(value, kMaxLoadedLines + 1);
  return static_cast<int>(negative ? -value : value);
}
