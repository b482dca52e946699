// Text files as the grid's text formats read and write them: Windows-1252 bytes kept as they
// are; a written line ends with CR LF; a read line ends at CR, an LF right after it belongs to
// the line end, and a bare LF stays inside its line. Byte 26 ends the text only as the file's
// last byte, so a cell holding it cannot cut a file short.
#pragma once

#include <string>
#include <vector>

#include "platform/core/text.h"

std::vector<AnsiString> SplitTextLines(const std::string& Bytes);
// The line and CR LF after what Out holds.
void AppendTextLine(std::string& Out, const AnsiString& Line);
// False when the file cannot be read.
bool ReadTextLines(const AnsiString& FileName, std::vector<AnsiString>& Lines);
// The text as the file's content; with Append after what an existing file holds. False when
// the file cannot be written (the old content then stays).
bool WriteTextFile(const AnsiString& FileName, const std::string& Text, bool Append);
// What a WriteTextFile that answered false tells, read from errno at once: the text of a file
// the user may not write, else `Failure` and the file's name.
AnsiString WriteTextFailure(const AnsiString& FileName, const AnsiString& Failure);

// The most columns or rows a file may give a grid: a damaged count beyond it is refused
// rather than sized for.
constexpr int kMaxLoadedLines = 1 << 22;

// A decimal integer as far as the text holds one (blanks before it skipped, a sign allowed);
// 0 without digits, and kMaxLoadedLines + 1 (or its negative) beyond that limit.
int LenientInt(const AnsiString& Text);
