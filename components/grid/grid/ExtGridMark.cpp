// TExtStringGrid: highlighting and error marking of found text in cells, with the tags of
// the mini-HTML cell text, and taking the marks out again.
#include <algorithm>

#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/TextOperations.h"
#include "components/grid/grid/UpdateScope.h"
#include "components/grid/grid/cells/Lines.h"
#include "components/grid/html/HTMLHilight.h"

namespace {
const AnsiString kHilight = "hi";
const AnsiString kMark = "e";

TGridRect InColumn(TGridRect range, int ACol) {
  range.Left = range.Right = ACol;
  return range;
}

TGridRect InRow(TGridRect range, int ARow) {
  range.Top = range.Bottom = ARow;
  return range;
}

TGridRect Cell(int ACol, int ARow) { return {ACol, ARow, ACol, ARow}; }

}  // namespace

// In stored columns, from the stored column of the first shown one to that of the last,
// hidden ones inside included: the cells are read and written there.
TGridRect TExtStringGrid::TextOperations::CellRange(bool DoFixed) const {
  if (DoFixed) return {0, 0, g.CellColCount() - 1, g.GetRowCount() - 1};
  const auto [left, right] =
      Lines::StoredSpan(g, g.GetFixedColsEx(), g.GetColCount() - 1 - g.GetFixedRightCols());
  return {left, g.GetFixedRowsEx(), right, g.GetRowCount() - 1 - g.GetFixedFooters()};
}

void TExtStringGrid::TextOperations::ChangeCellTexts(
    const TGridRect& R, const std::function<AnsiString(const AnsiString&)>& Change) {
  const TGridRect cells = ClipGridRect(R, g.CellColCount(), g.GetRowCount());
  TUpdateScope lock(g);
  for (int r = cells.Top; r <= cells.Bottom; ++r)
    for (int c = cells.Left; c <= cells.Right; ++c) {
      // A merged block changes once, at its first cell in the range.
      const TPoint base = g.BaseCell(c, r);
      if (TPoint(std::max(base.x, cells.Left), std::max(base.y, cells.Top)) != TPoint(c, r))
        continue;
      const AnsiString text = g.GetCellEx(c, r);
      const AnsiString changed = Change(text);
      if (changed != text) g.SetCellEx(c, r, changed);
    }
}

void TExtStringGrid::TextOperations::MarkCells(const AnsiString& Text, const AnsiString& Tag,
                                               bool DoCase, const TGridRect& R) {
  ChangeCellTexts(R, [&](const AnsiString& cell) { return HiLight(cell, Text, Tag, DoCase); });
}

void TExtStringGrid::TextOperations::UnMarkCells(const AnsiString& Tag, const TGridRect& R) {
  ChangeCellTexts(R, [&Tag](const AnsiString& cell) { return UnHiLight(cell, Tag); });
}

// --- highlighting -----------------------------------------------------------------------

void TExtStringGrid::HilightInCell(bool DoCase, int ACol, int ARow, const AnsiString& Text) {
  TextOperations(*this).MarkCells(Text, kHilight, DoCase, Cell(ACol, ARow));
}

void TExtStringGrid::HilightInCol(bool DoFixed, bool DoCase, int ACol, const AnsiString& Text) {
  TextOperations texts(*this);
  texts.MarkCells(Text, kHilight, DoCase, InColumn(texts.CellRange(DoFixed), ACol));
}

void TExtStringGrid::HilightInRow(bool DoFixed, bool DoCase, int ARow, const AnsiString& Text) {
  TextOperations texts(*this);
  texts.MarkCells(Text, kHilight, DoCase, InRow(texts.CellRange(DoFixed), ARow));
}

void TExtStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const AnsiString& Text) {
  TextOperations texts(*this);
  texts.MarkCells(Text, kHilight, DoCase, texts.CellRange(DoFixed));
}

void TExtStringGrid::UnHilightInCell(int ACol, int ARow) {
  TextOperations(*this).UnMarkCells(kHilight, Cell(ACol, ARow));
}

void TExtStringGrid::UnHilightInCol(bool DoFixed, int ACol) {
  TextOperations texts(*this);
  texts.UnMarkCells(kHilight, InColumn(texts.CellRange(DoFixed), ACol));
}

void TExtStringGrid::UnHilightInRow(bool DoFixed, int ARow) {
  TextOperations texts(*this);
  texts.UnMarkCells(kHilight, InRow(texts.CellRange(DoFixed), ARow));
}

void TExtStringGrid::UnHilightInGrid(bool DoFixed) {
  TextOperations texts(*this);
  texts.UnMarkCells(kHilight, texts.CellRange(DoFixed));
}

AnsiString TExtStringGrid::HilightText(bool DoCase, const AnsiString& Text,
                                       const AnsiString& Source) {
  return HiLight(Source, Text, kHilight, DoCase);
}

AnsiString TExtStringGrid::UnHilightText(const AnsiString& Source) {
  return UnHiLight(Source, kHilight);
}

// --- error marking ----------------------------------------------------------------------

void TExtStringGrid::MarkInCell(bool DoCase, int ACol, int ARow, const AnsiString& Text) {
  TextOperations(*this).MarkCells(Text, kMark, DoCase, Cell(ACol, ARow));
}

void TExtStringGrid::MarkInCol(bool DoFixed, bool DoCase, int ACol, const AnsiString& Text) {
  TextOperations texts(*this);
  texts.MarkCells(Text, kMark, DoCase, InColumn(texts.CellRange(DoFixed), ACol));
}

void TExtStringGrid::MarkInRow(bool DoFixed, bool DoCase, int ARow, const AnsiString& Text) {
  TextOperations texts(*this);
  texts.MarkCells(Text, kMark, DoCase, InRow(texts.CellRange(DoFixed), ARow));
}

void TExtStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const AnsiString& Text) {
  TextOperations texts(*this);
  texts.MarkCells(Text, kMark, DoCase, texts.CellRange(DoFixed));
}

void TExtStringGrid::UnMarkInCell(int ACol, int ARow) {
  TextOperations(*this).UnMarkCells(kMark, Cell(ACol, ARow));
}

void TExtStringGrid::UnMarkInCol(bool DoFixed, int ACol) {
  TextOperations texts(*this);
  texts.UnMarkCells(kMark, InColumn(texts.CellRange(DoFixed), ACol));
}

void TExtStringGrid::UnMarkInRow(bool DoFixed, int ARow) {
  TextOperations texts(*this);
  texts.UnMarkCells(kMark, InRow(texts.CellRange(DoFixed), ARow));
}

void TExtStringGrid::UnMarkInGrid(bool DoFixed) {
  TextOperations texts(*this);
  texts.UnMarkCells(kMark, texts.CellRange(DoFixed));
}

AnsiString TExtStringGrid::MarkText(bool DoCase, const AnsiString& Text, const AnsiString& Source) {
  return HiLight(Source, Text, kMark, DoCase);
}

AnsiString TExtStringGrid::UnMarkText(const AnsiString& Source) { return UnHiLight(Source, kMark); }
