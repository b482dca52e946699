// A grid of property objects without a widget, for the merge rules and the properties
// object: it holds the objects as the base grid does and records every repaint.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "components/grid/core/CellPropertiesRef.h"
#include "components/grid/core/CellPropertyGrid.h"

class FakeCellGrid : public TCellPropertyGrid {
 public:
  FakeCellGrid(int cols, int rows) : cols_(cols), rows_(rows) {}

  int CellColCount() const override { return cols_; }
  int CellRowCount() const override { return rows_; }
  TCellProperties* FindCellProperties(int ACol, int ARow) const override {
    auto it = props_.find({ACol, ARow});
    return it == props_.end() ? nullptr : it->second.Get();
  }
  TCellProperties* GetCellProperties(int ACol, int ARow) override {
    if (TCellProperties* props = FindCellProperties(ACol, ARow)) return props;
    return (props_[{ACol, ARow}] = TCellPropertiesRef(new TCellProperties(this, ACol, ARow))).Get();
  }
  void RepaintStoredCell(int ACol, int ARow) override { repainted.emplace_back(ACol, ARow); }

  std::vector<std::pair<int, int>> repainted;

 private:
  int cols_;
  int rows_;
  std::map<std::pair<int, int>, TCellPropertiesRef> props_;
};
