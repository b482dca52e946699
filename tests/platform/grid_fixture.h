// A string grid on a shown form, and real Qt mouse and key events on it.
#pragma once

#include "grid_test_helpers.h"
#include "platform/grids/string_grid.h"
#include "shown_grid.h"

using GridFixture = ShownGrid<TStringGrid>;
