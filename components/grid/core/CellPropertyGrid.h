// What a cell's properties object and the merge rules ask of the grid that owns the objects:
// its size, the object of a cell (looked up, or created on demand) and repainting a cell. The
// base grid implements it; the rules are written against this interface so that they can be
// built and tested without a grid.
#pragma once

class TCellProperties;

class TCellPropertyGrid {
 public:
  virtual int CellColCount() const = 0;
  virtual int CellRowCount() const = 0;
  // nullptr when the cell has no properties object or lies outside the grid; makes none.
  virtual TCellProperties* FindCellProperties(int ACol, int ARow) const = 0;
  // Makes the object with its defaults when the cell has none; only for cells of the grid.
  virtual TCellProperties* GetCellProperties(int ACol, int ARow) = 0;
  // Repaints the cell's whole merged block; the column is a stored one.
  virtual void RepaintStoredCell(int ACol, int ARow) = 0;

 protected:
  ~TCellPropertyGrid() = default;
};
