#include "components/grid/formats/CSVText.h"

#include "components/grid/formats/LineBreaks.h"
#include "components/grid/formats/TextSearch.h"

namespace {

constexpr char kQuote = '"';

AnsiString Quoted(const AnsiString& Text) {
  return AnsiString(1, kQuote) + StringReplaceAll(Text, "\"", "\"\"") + kQuote;
}

bool Holds(const AnsiString& Text, char Ch) {
  return Ch != '\0' && Text.find(Ch) != std::string::npos;
}

AnsiString LineBreaksBack(AnsiString Text, bool JavaCSV) {
  return JavaCSV ? JavaToLineFeeds(Text) : CSVToLineFeeds(Text);
}

// The quoted field starting at Start (its quote); Next gets where the text after its
// delimiter begins, npos when the line ends.
AnsiString QuotedField(const AnsiString& Line, std::size_t Start, char Delimiter,
                       std::size_t& Next) {
  AnsiString text;
  std::size_t i = Start + 1;
  bool closed = false;
  while (i < Line.size() && !closed) {
    if (Line[i] != kQuote) {
      text += Line[i++];
    } else if (i + 1 < Line.size() && Line[i + 1] == kQuote) {
      text += kQuote;
      i += 2;
    } else {
      closed = true;
      ++i;
    }
  }
  const std::size_t delimiter =
      Delimiter == '\0' ? std::string::npos : Line.find(Delimiter, closed ? i : Start + 1);
  if (!closed)
    text = Line.substr(Start + 1,
                       delimiter == std::string::npos ? std::string::npos : delimiter - Start - 1);
  Next = delimiter == std::string::npos ? std::string::npos : delimiter + 1;
  return text;
}

}  // namespace

AnsiString CSVField(AnsiString Text, const TCSVStyle& Style) {
  if (Text.empty() && !Style.AlwaysQuotes)
    return Style.JavaCSV ? "^" : Style.QuoteEmptyCells ? "\"\"" : "";
  // A line break is kept inside the field whatever Multilinecells says: a raw one would split
  // the row for every reader.
  const bool lineBreak = Holds(Text, '\r') || Holds(Text, '\n');
  const bool special = Holds(Text, Style.Delimiter) || lineBreak;
  if (Style.JavaCSV) {
    if (special) LineFeedsToJava(Text);
    return Style.AlwaysQuotes ? Quoted(Text) : Text;
  }
  if (Style.AlwaysQuotes || special || Holds(Text, kQuote))
    return Quoted(StringReplaceAll(StringReplaceAll(Text, "\r\n", "\n"), "\r", "\n"));
  return Text;
}

std::vector<AnsiString> CSVFields(const AnsiString& Line, char Delimiter, bool JavaCSV) {
  std::vector<AnsiString> fields;
  std::size_t pos = 0;
  while (pos != std::string::npos && pos < Line.size()) {
    std::size_t next;
    AnsiString text;
    if (Line[pos] == kQuote) {
      text = QuotedField(Line, pos, Delimiter, next);
    } else {
      const std::size_t delimiter =
          Delimiter == '\0' ? std::string::npos : Line.find(Delimiter, pos);
      text = Line.substr(pos, delimiter == std::string::npos ? delimiter : delimiter - pos);
      next = delimiter == std::string::npos ? delimiter : delimiter + 1;
    }
    fields.push_back(LineBreaksBack(std::move(text), JavaCSV));
    pos = next;
  }
  return fields;
}

char DetectDelimiter(const AnsiString& Line1, const AnsiString& Line2) {
  constexpr char kCandidates[] = {',', ';', '#', '\t', '|'};
  for (auto count : {NumSingleChar, NumChar}) {
    char found = '\0';
    int best = 0;
    for (char c : kCandidates) {
      const int k1 = count(c, Line1);
      if (k1 == count(c, Line2) && k1 > best) found = c, best = k1;
    }
    if (found != '\0') return found;
  }
  char found = '\0';
  int best = 0;
  for (char c : kCandidates) {
    const int most = std::max(NumChar(c, Line1), NumChar(c, Line2));
    if (most > best) found = c, best = most;
  }
  return found;
}
