// One run of the line engine over one line. Private to HTMLDraw*.cpp.
#pragma once

#include "components/grid/html/HTMLLineEngine.h"

struct HTMLLineEngine::Pass {
  bool Measuring;
  bool Drawing;  // replaying and not only hit-testing
  const AnsiString& Text;
  std::size_t Pos;
  std::size_t End;
  TRect W;  // the working rectangle
  HTMLPassState& S;
  HTMLAnchor& A;
  const HTMLLine* Measured;  // the line as measured, when replaying
  HTMLLine Line{};
  int X = 0;              // where the next segment starts
  int TrailingSpace = 0;  // width of the space the line ends in
  bool EndsSpace = false;
  bool ListItem = false;  // an LI was met on the line
  bool Dropped = false;   // the rest of the text goes
  // The line's geometry: as measured when replaying, as found so far when measuring.
  const HTMLLine& Geo() const { return Measured ? *Measured : Line; }
};
