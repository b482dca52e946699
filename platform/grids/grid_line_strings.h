// A row or a column of a string grid's cells seen as a string list: entry i is the cell at
// position i of the line, with its object. The line is as long as the grid is wide (or high);
// it cannot grow or shrink. Clear empties its cells; Add writes into the next empty cell after
// the last one written, so Assign copies another list's texts and objects into the line.
#pragma once

#include "platform/grids/grid_cells.h"
#include "platform/core/strings.h"

class TGridLineStrings : public TStrings {
 public:
  enum Kind { Row, Column };
  TGridLineStrings(TGridCells& cells, Kind kind, int index, int count)
      : cells_(cells), kind_(kind), index_(index), count_(count) {}

  int Count() const override { return count_; }
  AnsiString Strings(int index) const override;
  void SetStrings(int index, const AnsiString& text) override;
  TObject* Objects(int index) const override;
  void SetObjects(int index, TObject* object) override;
  // -1 when no empty cell is left.
  int AddObject(const AnsiString& text, TObject* object) override;
  void InsertObject(int index, const AnsiString& text, TObject* object) override;  // throws
  void Delete(int index) override;                                                 // throws
  void Clear() override;

 private:
  TGridCells& cells_;
  Kind kind_;
  int index_;
  int count_;
  int next_ = 0;

  int ColOf(int i) const { return kind_ == Row ? i : index_; }
  int RowOf(int i) const { return kind_ == Row ? index_ : i; }
};
