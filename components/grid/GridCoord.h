// A cell's column and row, and a block of cells from its top-left to its bottom-right cell
// (both inclusive), as the grid addresses them: the platform's grid types.
#pragma once

#include "platform/grid_types.h"
