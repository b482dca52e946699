// What the grid keeps of its rows and columns: the footer rows and right fixed columns, the
// rows and cells selected one by one, the merged columns, the selection set aside by
// HideSelection, the nodes and the grouping, the widths the stretch scales and the line the
// mouse sizes. Private to the grid's files that change or size rows and columns.
#pragma once

#include <cstdint>
#include <vector>

#include "components/grid/grid/ExtGrid.h"

struct TExtStringGrid::LineState {
  int FixedFooters = 0;
  int FixedRightCols = 0;
  bool IntegralHeight = false;
  std::vector<uint8_t> RowSelect;  // 1: the row is selected
  std::vector<TGridCoord> SelectedCells;
  std::vector<int> MergedColumns;
  TGridRect HiddenSelection{};

  // Nodes and grouping
  int NodeCount = 0;
  int GroupColumn = -1;
  int GroupTextColumn = 0;  // where the node rows hold the group values
  int GroupWidth = 0;
  AnsiString GroupHeader;
  std::vector<AnsiString> GroupFooters;

  // Stretching and sizing
  bool StretchEnabled = true;
  int PreviousWidth = -1;
  // The widths ColumnSize.SynchWithGrid scales, unrounded, until a width changes otherwise.
  std::vector<double> SynchWidths;
  bool Synching = false;
  // The line the mouse sizes, its size before and whether a sizing runs.
  TPoint SizeCandidate{-1, -1};
  int SizeCol = -1;
  int SizeRow = -1;
  int SizeColWidth = 0;
  int SizeRowHeight = 0;
  bool MouseSizing = false;
  TCursor NormalCursor = crDefault;
};
