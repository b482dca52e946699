// The pending line: words collect in it until the next one would reach past the printable
// width or an operation prints it.
#include "app/Dbaseindexprint.h"

#include <cmath>
#include <cstdlib>

namespace {

int Width(const AnsiString& text) { return druck_xprint->Canvas->TextWidth(text); }

// A right-aligned line ends at the right indent; either way druck_x moves past it.
void PrintLine(const AnsiString& line) {
  if (druck_ausrichtung == 2)
    druck_x = druck_xprint->PrintWidth - (Width(line) + druck_einzugrechts * druck_raster);
  if (line.empty()) return;
  TCanvas* canvas = druck_xprint->Canvas;
  canvas->Brush->SetStyle(bsClear);
  canvas->TextOut(druck_x, druck_y, line);
  druck_x += Width(line);
}

// A line feed at the word's end breaks the line after it, also when the word had to start
// a new line.
void AddWord(const AnsiString& word, bool lineFeed) {
  const int reach = Width(word) + Width(druck_zeile) + druck_x + druck_einzugrechts * druck_raster;
  if (reach > druck_xprint->PrintWidth) {
    PrintLine(Trim(druck_zeile));
    druck_zeile.clear();
    druck_neuezeile();
    druck_zeile = word;
  } else {
    druck_zeile += word;
  }
  if (lineFeed) druck_neuezeile();
}

}  // namespace

void druck_zeileausgeben() {
  if (!druck_xprint || druck_zeile.empty()) return;
  PrintLine(druck_ausrichtung == 2 ? TrimRight(druck_zeile) : druck_zeile);
  druck_zeile.clear();
}

void druck_neuezeile() {
  druck_zeileausgeben();
  if (!druck_xprint) return;
  druck_x = druck_einzuglinks * druck_raster;
  const int height = std::abs(druck_xprint->Canvas->Font->GetHeight());
  druck_y += static_cast<int>(std::lround(height * druck_zeilenfaktor));
}

// A word keeps the blanks after it and ends where the next word begins.
int druck_text(const AnsiString& text) {
  if (text.empty() || !druck_xprint) return -1;
  AnsiString word;
  bool lineFeed = false;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      lineFeed = lineFeed || c == '\n';
      c = ' ';
    }
    if (c != ' ' && !word.empty() && word.back() == ' ') {
      AddWord(word, lineFeed);
      word.clear();
      lineFeed = false;
    }
    word += c;
  }
  AddWord(word, lineFeed);
  return 1;
}

int druck_ctext(const char* text) { return druck_text(text ? AnsiString(text) : AnsiString()); }
