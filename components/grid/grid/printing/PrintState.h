// What the grid's printing keeps from one layout to the next: the range and the output
// rectangle a layout takes (BuildPages lays out the last ones again), the pages to output, the
// pages the last preview laid out, and each column's printed width and offset for the program
// to read back. The state of one run is its Printing pass.
#pragma once

#include <array>

#include "platform/graphics/geometry.h"
#include "platform/grids/grid_types.h"

class TPrintState {
 public:
  static constexpr int kColumns = 512;

  TGridRect Range{};  // display cells
  TRect Output;       // 0.1 mm, its corner at the origin
  int FromPage = 1;   // the pages to output
  int ToPage = 1;
  int PreviewPages = 0;

  // The range within a grid of ColCount x RowCount, kept so for the next layout.
  const TGridRect& ClipRange(int ColCount, int RowCount);
  // False when no page is to be output, the last page comes before the first, or the first
  // lies past the Pages laid out.
  bool HasPagesOf(int Pages) const;

  // A column's printed width and left offset in the last layout; columns from kColumns on
  // are not kept, and reading one throws EExtGridError.
  int ColWidth(int Col) const;
  int ColOffset(int Col) const;
  void KeepColWidth(int Col, int Width);
  void KeepColOffset(int Col, int Offset);

 private:
  std::array<int, kColumns> colWidths_{};
  std::array<int, kColumns> colOffsets_{};
};
