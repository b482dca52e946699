// The steps of tree nodes and of grouping by a column: where a node's rows end, closing a
// node, the node levels of its rows, and a statistic written into each group's node row.
// Only the node and grouping files include it.
#pragma once

#include <functional>
#include <vector>

#include "components/grid/grid/ExtGrid.h"

class TExtStringGrid::Nodes {
 public:
  explicit Nodes(TExtStringGrid& grid) : g(grid) {}

  int NodeEndRow(int DisplayRow, int Span);
  std::vector<int> CloseNode(int DisplayRow);
  void SetNodeLevels(int FromRow, int ToRow, int Level);
  // Each node row's cell in ACol gets what Of gives for its group's rows From..To.
  void GroupStatistic(int ACol, const std::function<AnsiString(int From, int To)>& Of);

 private:
  TExtStringGrid& g;
};
