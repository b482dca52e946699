// TExtStringGrid: highlighting and error marking of found text in cells, with the tags of
// the mini-HTML cell text, and taking the marks out again.
#include <algorithm>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/cells/Lines.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/html/HTMLHilight.h"
#include "components/grid/grid/UpdateScope.h"

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
TGridRect TExtStringGrid::CellRange(bool DoFixed) const {
  if (DoFixed) return {0, 0, CellColCount() - 1, GetRowCount() - 1};
  const auto [left, right] =
      Lines::StoredSpan(*this, GetFixedColsEx(), GetColCount() - 1 - GetFixedRightCols());
  return {left, GetFixedRowsEx(), right, GetRowCount() - 1 - GetFixedFooters()};
}

void TExtStringGrid::ChangeCellTexts(const TGridRect& R,
                                     const std::function<AnsiString(const AnsiString&)>& Change) {
  const TGridRect cells = ClipGridRect(R, CellColCount(), GetRowCount());
  TUpdateScope lock(*this);
  for (int r = cells.Top; r <= cells.Bottom; ++r)
    for (int c = cells.Left; c <= cells.Right; ++c) {
      // A merged block changes once, at its first cell in the range.
      const TPoint base = BaseCell(c, r);
      if (TPoint(std::max(base.x, cells.Left), std::max(base.y, cells.Top)) != TPoint(c, r))
        continue;
      const AnsiString text = GetCellEx(c, r);
      const AnsiString changed = Change(text);
      if (changed != text) SetCellEx(c, r, changed);
    }
}

void TExtStringGrid::MarkCells(const AnsiString& Text, const AnsiString& Tag, bool DoCase,
                               const TGridRect& R) {
  ChangeCellTexts(R, [&](const AnsiString& cell) { return HiLight(cell, Text, Tag, DoCase); });
}

void TExtStringGrid::UnMarkCells(const AnsiString& Tag, const TGridRect& R) {
  ChangeCellTexts(R, [&Tag](const AnsiString& cell) { return UnHiLight(cell, Tag); });
}

// --- highlighting -----------------------------------------------------------------------

void TExtStringGrid::HilightInCell(bool DoCase, int ACol, int ARow, const AnsiString& Text) {
  MarkCells(Text, kHilight, DoCase, Cell(ACol, ARow));
}

void TExtStringGrid::HilightInCol(bool DoFixed, bool DoCase, int ACol, const AnsiString& Text) {
  MarkCells(Text, kHilight, DoCase, InColumn(CellRange(DoFixed), ACol));
}

void TExtStringGrid::HilightInRow(bool DoFixed, bool DoCase, int ARow, const AnsiString& Text) {
  MarkCells(Text, kHilight, DoCase, InRow(CellRange(DoFixed), ARow));
}

void TExtStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const AnsiString& Text) {
  MarkCells(Text, kHilight, DoCase, CellRange(DoFixed));
}

void TExtStringGrid::UnHilightInCell(int ACol, int ARow) {
  UnMarkCells(kHilight, Cell(ACol, ARow));
}

void TExtStringGrid::UnHilightInCol(bool DoFixed, int ACol) {
  UnMarkCells(kHilight, InColumn(CellRange(DoFixed), ACol));
}

void TExtStringGrid::UnHilightInRow(bool DoFixed, int ARow) {
  UnMarkCells(kHilight, InRow(CellRange(DoFixed), ARow));
}

void TExtStringGrid::UnHilightInGrid(bool DoFixed) { UnMarkCells(kHilight, CellRange(DoFixed)); }

AnsiString TExtStringGrid::HilightText(bool DoCase, const AnsiString& Text,
                                       const AnsiString& Source) {
  return HiLight(Source, Text, kHilight, DoCase);
}

AnsiString TExtStringGrid::UnHilightText(const AnsiString& Source) {
  return UnHiLight(Source, kHilight);
}

// --- error marking ----------------------------------------------------------------------

void TExtStringGrid::MarkInCell(bool DoCase, int ACol, int ARow, const AnsiString& Text) {
  MarkCells(Text, kMark, DoCase, Cell(ACol, ARow));
}

void TExtStringGrid::MarkInCol(bool DoFixed, bool DoCase, int ACol, const AnsiString& Text) {
  MarkCells(Text, kMark, DoCase, InColumn(CellRange(DoFixed), ACol));
}

void TExtStringGrid::MarkInRow(bool DoFixed, bool DoCase, int ARow, const AnsiString& Text) {
  MarkCells(Text, kMark, DoCase, InRow(CellRange(DoFixed), ARow));
}

void TExtStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const AnsiString& Text) {
  MarkCells(Text, kMark, DoCase, CellRange(DoFixed));
}

void TExtStringGrid::UnMarkInCell(int ACol, int ARow) { UnMarkCells(kMark, Cell(ACol, ARow)); }

void TExtStringGrid::UnMarkInCol(bool DoFixed, int ACol) {
  UnMarkCells(kMark, InColumn(CellRange(DoFixed), ACol));
}

void TExtStringGrid::UnMarkInRow(bool DoFixed, int ARow) {
  UnMarkCells(kMark, InRow(CellRange(DoFixed), ARow));
}

void TExtStringGrid::UnMarkInGrid(bool DoFixed) { UnMarkCells(kMark, CellRange(DoFixed)); }

AnsiString TExtStringGrid::MarkText(bool DoCase, const AnsiString& Text, const AnsiString& Source) {
  return HiLight(Source, Text, kMark, DoCase);
}

AnsiString TExtStringGrid::UnMarkText(const AnsiString& Source) { return UnHiLight(Source, kMark); }
