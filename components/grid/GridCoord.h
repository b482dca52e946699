// A cell's column and row, and a block of cells from its top-left to its bottom-right cell
// (both inclusive), as the grid addresses them.
#pragma once

struct TGridCoord {
  int X = 0;  // column
  int Y = 0;  // row
};

struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};
