// What the grid's clipboard code keeps: a copy's formats held apart from the clipboard, and the
// origin and operation of the last copy, told to PasteNotify after a paste. Private to the
// grid's clipboard, paste and binary stream files and the selection resizer.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "components/grid/grid/ExtGrid.h"

// Each format is absent when not taken: the cells as text, the top-left cell's rich text, the
// cells as a binary grid stream.
struct TExtStringGrid::ClipContent {
  std::optional<AnsiString> text;
  std::optional<std::vector<uint8_t>> rich;
  std::optional<std::vector<uint8_t>> cells;
};

struct TExtStringGrid::ClipState {
  TPoint CopyOrigin;
  TClipOperation Operation = coCopy;
};
