// TStringGrid: a grid of texts, one text and one object per cell. Cells outside the counts
// read as "" and no object; cells beyond the counts stay stored when the grid shrinks and show
// again when it grows. Cols and Rows view a line of cells as a string list.
#pragma once

#include <span>

#include "platform/grids/draw_grid.h"
#include "platform/grids/grid_cells.h"
#include "platform/grids/grid_line_strings.h"

class TStringGrid : public TDrawGrid {
 public:
  explicit TStringGrid(TComponent* AOwner);

  const AnsiString& Cells(int ACol, int ARow) const { return cells_.Text(ACol, ARow); }
  // How many cells hold a text or an object.
  std::size_t StoredCells() const { return cells_.StoredCells(); }
  // By value: a text made for the cell moves into it.
  void SetCells(int ACol, int ARow, AnsiString Value);
  // Many texts stored at once (a file being loaded): each as SetCells stores it, but nothing
  // repaints until CellTextsStored names the cells that changed; capacity for the rows' texts
  // can be reserved first.
  void StoreCellText(int ACol, int ARow, AnsiString Value) {
    cells_.SetText(ACol, ARow, std::move(Value));
  }
  void CellTextsStored(const TGridRect& R);
  void ReserveCellRows(int FirstRow, int LastRow, int Columns,
                       std::span<const uint32_t> TextBytes = {}) {
    cells_.ReserveRows(FirstRow, LastRow, Columns, TextBytes);
  }
  // Empties the texts inside R (beyond the counts too) as SetCells would, the cells
  // repainted at once; `capacity` Keep leaves the rows their allocation for a refill of the same shape.
  void ClearCellTexts(const TGridRect& R, TGridCells::Capacity capacity = TGridCells::Capacity::GiveUp);
  // The first cells of a row, as SetCells of each would set them but with one look-up of the
  // row: a grid filled with a million rows feels the difference. The texts are copied into
  // the cells' existing buffers.
  void SetRowCells(int ARow, std::span<const std::string_view> Values);
  TObject* Objects(int ACol, int ARow) const { return cells_.Object(ACol, ARow); }
  void SetObjects(int ACol, int ARow, TObject* Value);
  // A column (a row) as long as the grid is high (wide); writing to it writes the cells.
  TGridLineStrings Cols(int index);
  TGridLineStrings Rows(int index);
  // Copies the texts and objects of a list into the line.
  void SetCols(int index, const TStrings& Value) { Cols(index).Assign(Value); }
  void SetRows(int index, const TStrings& Value) { Rows(index).Assign(Value); }

  // Whole rows of cells for the sorts, also the cells beyond the column count: two rows
  // trade their cells, a row takes a copy of another's (objects shared, not owned), a row is
  // emptied (its objects dropped, not freed). Sizes and the current cell stay, and nothing
  // is repainted: a sort moves a million rows and repaints once.
  void SwapRowCells(int ARow1, int ARow2);
  void CopyRowCells(int FromRow, int ToRow);
  void DropRowCells(int ARow);
  // Row p takes the cells of row Order[p] (Order a permutation of 0..size-1).
  void PermuteRowCells(const std::vector<int>& Order);
  // Rows First..Last-1 as std::rotate: row Middle becomes row First. Costs what is stored.
  void RotateRowCells(int First, int Middle, int Last) { cells_.RotateRows(First, Middle, Last); }
  // Whole columns for inserting, removing and exchanging columns, in the grid's rows only;
  // the columns are repainted. The rotation is as the rows'. Both cost what is stored.
  void SwapColCells(int ACol1, int ACol2);
  void RotateColCells(int First, int Middle, int Last);

 protected:
  // The cells inside Rect whose text is not empty (whose object is set), beyond the counts
  // too, row by row: a sweep costs what the store holds, not the rectangle's size.
  void ForEachStored(TGridCells::Slot Slot, const TGridRect& Rect,
                     const std::function<void(int ACol, int ARow)>& Visit) const {
    cells_.ForEachStored(Slot, Rect, Visit);
  }
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  AnsiString GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const AnsiString& Value) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  void RowsPermuted(const std::vector<int>& Order) override { cells_.PermuteRows(Order); }
  void SizeChanged(int OldColCount, int OldRowCount) override;

 private:
  TGridCells cells_;
  // Set while the editor's change writes a cell, so that the write does not reload the editor.
  bool fromEditor_ = false;
};
