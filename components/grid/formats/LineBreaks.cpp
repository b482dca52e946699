// Line breaks of multi-line cells in the forms the file, CSV, HTML, Java and spreadsheet
// exports need, and back. A cell's own line break is CR LF.
#include "components/grid/formats/LineBreaks.h"
#include "components/grid/formats/TextSearch.h"

namespace {

bool Holds(const AnsiString& S, char c) { return S.find(c) != std::string::npos; }

AnsiString Replace(const AnsiString& S, const char* from, const char* to) {
  return StringReplaceAll(S, from, to);
}

}  // namespace

AnsiString HTMLLineBreaks(const AnsiString& S, const char* Break) {
  return Holds(S, '\r') ? Replace(S, "\r", Break) : S;
}

AnsiString LFToCLF(const AnsiString& S) { return Replace(Replace(S, "\n", ""), "\r", "\\n"); }

AnsiString CLFToLF(const AnsiString& S) { return Replace(S, "\\n", "\r"); }

// Tab and backspace keep a multi-line cell on one line of the grid's text file.
AnsiString LfToFile(const AnsiString& S) {
  return Holds(S, '\r') ? Replace(Replace(S, "\r", "\t"), "\n", "\b") : S;
}

AnsiString FileToLf(const AnsiString& S, bool Multi) {
  if (!Holds(S, '\b')) return S;
  AnsiString text = Replace(Replace(S, "\t", "\r"), "\b", "\n");
  return Multi ? text : GetNextLine(text, false);
}

AnsiString LineFeedsToCSV(AnsiString& S) {
  AnsiString quoted(1, '"');
  quoted += Replace(S, "\r\n", "\n");
  S = quoted += '"';
  return S;
}

AnsiString CSVToLineFeeds(AnsiString& S) {
  if (Holds(S, '\n')) S = Replace(S, "\n", "\r\n");
  return S;
}

AnsiString LineFeedsToJava(AnsiString& S) {
  S = Replace(Replace(S, "\n", ""), "\r", "~");
  return S;
}

AnsiString JavaToLineFeeds(AnsiString& S) {
  S = Replace(S, "~", "\r\n");
  return S;
}

AnsiString LineFeedsToXLS(const AnsiString& S) { return Replace(S, "\r", ""); }
