// TBaseGrid: the lowest layer of the grid family. A string grid whose cells may carry a
// properties object each (TCellProperties, kept in the cell's Objects slot and owned by the
// grid), whose cells may be merged into rectangular blocks read and drawn as one cell, and
// which draws its own grid lines. The full grid (TExtStringGrid) overrides its hooks.
//
// Ownership of the properties objects: they are reference counted (CellPropertiesRef.h) and
// each slot that stores one owns one reference, so a cell that takes an object adds a
// reference and a cell that drops it releases one. Copying rows or columns shares an object
// between cells; TakeCellRef and PutCellRef move a reference between a slot and a
// TCellPropertiesRef. The raw slot access and the Nil functions move pointers without adding
// or releasing references, for code that moves objects elsewhere and back. User objects attached to cells (CellObject, the graphic) are never
// freed by the grid.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "components/grid/core/CellProperties.h"
#include "components/grid/core/CellPropertyGrid.h"
#include "components/grid/core/MergedCells.h"
#include "platform/core/invariant.h"
#include "platform/grids/string_grid.h"

class TCellPropertiesRef;
class TPropertyReferences;

using TGetDisplTextEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, AnsiString& Value)>;

class TBaseGrid : public TStringGrid, public TCellPropertyGrid {
 public:
  explicit TBaseGrid(TComponent* AOwner);
  ~TBaseGrid() override;

  // Only recorded: the grid always paints every cell itself.
  bool GetDefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool Value) { defaultDrawing_ = Value; }
  // The lines the grid draws itself between non-fixed cells; the inherited lines stay at 0.
  int GetGridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int Value);
  TColor GetGridLineColor() const { return gridLineColor_; }
  void SetGridLineColor(TColor Value);
  // Sets the data-row count too: OnGetDisplText is asked only for rows below it.
  void SetRowCount(int Value);

  TGetDisplTextEvent OnGetDisplText;

  // Cell text through the base cell of a merged block.
  AnsiString GetCellEx(int ACol, int ARow);
  void SetCellEx(int ACol, int ARow, const AnsiString& Value);
  // The raw Cells slot: no base cell, no event.
  AnsiString GetGridCell(int ACol, int ARow) const { return Cells(ACol, ARow); }
  void SetGridCell(int ACol, int ARow, AnsiString Value) { SetCells(ACol, ARow, std::move(Value)); }

  // Cell properties. GetCellProperties makes the object when the cell has none and raises
  // EInvalidGridOperation for a negative column or row; SetCellProperties gives the cell P
  // (adding a reference to it) in place of its own, and does nothing when P is already the cell's.
  TCellProperties* GetCellProperties(int ACol, int ARow) override;
  bool HasCellProperties(int ACol, int ARow) const { return FindCellProperties(ACol, ARow); }
  void SetCellProperties(int ACol, int ARow, TCellProperties* P);
  // The user's object and the graphic of a cell, kept in its properties.
  TObject* GetObjectEx(int ACol, int ARow) const;
  void SetObjectEx(int ACol, int ARow, TObject* Obj);
  TCellGraphic* GetGraphicObjectEx(int ACol, int ARow) const;
  void SetGraphicObjectEx(int ACol, int ARow, TCellGraphic* Graphic);
  // The properties object out of a cell with the slot's reference (the slot is empty after),
  // and a reference into a cell, which releases the object it stored before.
  TCellPropertiesRef TakeCellRef(int ACol, int ARow);
  void PutCellRef(int ACol, int ARow, TCellPropertiesRef Props);
  // What is wrong with the reference counts of the properties objects stored in the cells
  // (and wherever else the grid keeps them); empty when nothing is. CheckReferences looks in the debug
  // build, at the end of the operations that move objects.
  std::string ReferenceFault() const;
  void CheckReferences() const {
    CheckInvariant("cell properties", [&] { return ReferenceFault(); });
  }
  // The raw Objects slot, moved without adding or releasing a reference.
  TObject* GetGridObject(int ACol, int ARow) const { return Objects(ACol, ARow); }
  void SetGridObject(int ACol, int ARow, TObject* Obj) { SetObjects(ACol, ARow, Obj); }
  // The cells release their properties objects (both corners included), also cells beyond
  // the counts; only the cells that store objects are visited, whatever the corners.
  void ClearPropCell(int ACol, int ARow);
  void ClearPropRow(int ARow);
  void ClearPropRect(int ACol1, int ARow1, int ACol2, int ARow2);
  void ClearProps();
  // Empty text and slot, nothing released: the objects were moved elsewhere.
  void NilCell(int ACol, int ARow);
  void NilCol(int ACol);
  void NilRow(int ARow);
  // The texts and objects of one line into another; the objects are then shared.
  void CopyCols(int ToCol, int FromCol);
  void CopyRows(int ToRow, int FromRow);

  // Merging (the rules are in MergedCells.h).
  virtual void MergeCells(int ACol, int ARow, int W, int H) {
    merged_.MergeCells(ACol, ARow, W, H);
  }
  virtual void SplitCells(int ACol, int ARow) { merged_.SplitCells(ACol, ARow); }
  TPoint BaseCell(int ACol, int ARow) const { return merged_.BaseCell(ACol, ARow); }
  bool IsBaseCell(int ACol, int ARow) const { return merged_.IsBaseCell(ACol, ARow); }
  bool IsBaseCellEx(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
  TPoint CellSpan(int ACol, int ARow) const { return merged_.CellSpan(ACol, ARow); }
  TRect FullCell(int ACol, int ARow) const { return merged_.FullCell(ACol, ARow); }
  bool IsMergedCell(int ACol, int ARow) const { return merged_.IsMergedCell(ACol, ARow); }
  bool IsXMergedCell(int ACol, int ARow) const { return merged_.IsXMergedCell(ACol, ARow); }
  bool IsYMergedCell(int ACol, int ARow) const { return merged_.IsYMergedCell(ACol, ARow); }
  int MinRowSpan(int ARow) const { return merged_.MinRowSpan(ARow); }
  int MaxRowSpan(int ARow) const { return merged_.MaxRowSpan(ARow); }
  bool RowSpanIdentical(int ARow1, int ARow2) const {
    return merged_.RowSpanIdentical(ARow1, ARow2);
  }
  bool ColSpanIdentical(int ACol1, int ACol2) const {
    return merged_.ColSpanIdentical(ACol1, ACol2);
  }

  // The stored column of a shown one and the shown column of a stored one (the first shown
  // at or after it); the base grid hides no columns. Blocks lie in stored columns.
  virtual int RemapCol(int DisplayCol) const { return DisplayCol; }
  virtual int RemapColInv(int RealCol) const { return RealCol; }
  // The block of a shown cell in shown columns: from its first shown column to its last.
  TRect ShownBlock(int ACol, int ARow) const;

  // Geometry in client pixels of shown cells, grid lines not counted. GetCellRect also places
  // cells that are scrolled out of view; BlockRect covers a cell's whole block wherever it
  // lies, CellRect is empty for a block scrolled out above or left of the view.
  TRect GetCellRect(int ACol, int ARow) const;
  TRect BlockRect(int ACol, int ARow) const;
  TRect CellRect(int ACol, int ARow) const;
  TPoint CellSize(int ACol, int ARow) const;
  int FixedColsWidth() const;
  int FixedRowsHeight() const;
  virtual void RepaintCell(int ACol, int ARow);
  // Mirrors the canvas horizontally for right-to-left text, or sets it straight again.
  void SetGridOrientation(bool RightToLeft);

  // When the current cell has properties, Col and Row move to its block's base cell.
  void SelectBaseCell();
  // Inside the selection, or in the merged block that contains the current cell.
  bool IsSelected(int ACol, int ARow) const;

  // The hooks of derived grids.
  virtual bool IsFixed(int /*ACol*/, int /*ARow*/) { return false; }
  virtual int NodeIndent(int /*ARow*/) { return 0; }
  virtual bool HasNodes() { return false; }
  // Draws a cell's content into Rect; the base draws its text centred on one line.
  virtual void DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                            TGridDrawState AState);
  virtual void FloatFooterUpdate() {}
  virtual void GetVisualProperties(int /*ACol*/, int /*ARow*/, TGridDrawState& /*AState*/,
                                   bool /*Print*/, bool /*Select*/, bool /*Remap*/,
                                   TBrush* /*ABrush*/, TFont* /*AFont*/, TAlignment& /*HAlign*/,
                                   TVAlignment& /*VAlign*/, bool& /*WordWrap*/) {}

  // TCellPropertyGrid.
  int CellColCount() const override { return GetColCount(); }
  int CellRowCount() const override { return GetRowCount(); }
  TCellProperties* FindCellProperties(int ACol, int ARow) const override;
  void RepaintStoredCell(int ACol, int ARow) override { RepaintCell(RemapColInv(ACol), ARow); }

 protected:
  void Paint() override;
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void TopLeftChanged() override;
  // Counts every slot that stores a properties object; a grid keeping rows elsewhere adds
  // them.
  virtual void CountReferences(TPropertyReferences& References) const;

  // The floating footer (of the full grid) covers the last row while this is set.
  bool GetFooterShown() const { return footerShown_; }
  void SetFooterShown(bool Value) { footerShown_ = Value; }
  int GetDataRowCount() const { return dataRowCount_; }
  void SetDataRowCount(int Value) { dataRowCount_ = Value; }
  int GetPaintPass() const { return paintPass_; }

 private:
  bool defaultDrawing_ = false;
  int gridLineWidth_ = 1;
  TColor gridLineColor_ = clSilver;
  int paintPass_ = 1;  // a new object's stamp (0) never matches it
  bool footerShown_ = false;
  int dataRowCount_;
  TMergedCells merged_{*this};
  // The cell takes Obj in place of what its slot stored: adds a reference when it is a
  // properties object and releases the properties object it replaces.
  void TakeObject(int ACol, int ARow, TObject* Obj);
  // The same with the reference to Obj given (empty for an object that is no properties
  // object).
  void PlaceObject(int ACol, int ARow, TObject* Obj, TCellPropertiesRef Hold);
  // The grid's rows in which the column stores a text or an object; a row may come twice.
  void ForEachStoredRow(int ACol, const std::function<void(int ARow)>& Visit) const;
  TCellProperties* BaseProperties(int ACol, int ARow) const;
  void DrawBlock(int ACol, int ARow, TGridDrawState AState);
  void DrawCellLines(const TRect& R, int ACol, bool Fixed);
};
