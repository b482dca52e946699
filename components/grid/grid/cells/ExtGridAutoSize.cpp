// TExtStringGrid: sizing columns and rows to their cells' contents. A cell is measured in the
// font it is drawn with. The grid keeps no minimum or maximum automatic size and always sets
// the measured size, as its defaults have it.
#include <algorithm>

#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/cells/Lines.h"

namespace {

// The room the cell's text takes with its margins, as the cell layout measures it, and the
// room its graphic adds; a stored column.
TPoint MeasureCell(TExtStringGrid& Grid, int ACol, int ARow, bool Wrap) {
  const TSize text = Grid.GetCellTextSize(ACol, ARow, Wrap);
  const TSize graphic = Grid.GetCellGraphicSize(ACol, ARow);
  return {text.cx + graphic.cx, text.cy + graphic.cy};
}

}  // namespace

// The width of a column (Widths) or the height of a row its cells need, grid lines and
// margin included; cells of blocks across the line's direction do not count. Line and the
// walk are shown columns; the cells and blocks are looked up at the stored ones.
int TExtStringGrid::Lines::NeededSize(bool Widths, int Line) {
  int largest = 0;
  for (int i = 0; i < (Widths ? g.GetRowCount() : g.GetColCount()); ++i) {
    const int col = g.RemapCol(Widths ? Line : i), row = Widths ? i : Line;
    if (Widths ? g.IsXMergedCell(col, row) : g.IsYMergedCell(col, row)) continue;
    const TPoint size = MeasureCell(g, col, row, !Widths && g.WordWrap);
    largest = std::max(largest, Widths ? size.x : size.y);
  }
  const TPoint offset = g.GetXYOffset();
  return largest + 2 * (g.GetGridLineWidth() + 1) + (Widths ? offset.x : offset.y);
}

// The column's own limits apply (UpdateAutoColSize); the grid keeps none.
void TExtStringGrid::AutoSizeCol(int ACol) {
  if (ACol < 0 || ACol >= GetColCount()) return;
  int width = Lines(*this).NeededSize(true, ACol);
  UpdateAutoColSize(ACol, width);
  SetColWidths(ACol, width);
}

void TExtStringGrid::AutoSizeColumns(bool DoFixed, int Extra) {
  for (int c = DoFixed ? 0 : GetFixedCols(); c < GetColCount(); ++c) {
    AutoSizeCol(c);
    if (Extra != 0) SetColWidths(c, ColWidths(c) + Extra);
  }
}

void TExtStringGrid::AutoSizeCells(bool DoFixed, int ExtraX, int ExtraY) {
  AutoSizeColumns(DoFixed, ExtraX);
  AutoSizeRows(DoFixed, ExtraY);
}

void TExtStringGrid::AutoSizeRow(int ARow) {
  if (ARow >= 0 && ARow < GetRowCount()) SetRowHeights(ARow, Lines(*this).NeededSize(false, ARow));
}

void TExtStringGrid::AutoSizeRows(bool DoFixed, int Extra) {
  for (int r = DoFixed ? 0 : GetFixedRows(); r < GetRowCount(); ++r) {
    if (WordWrap) {
      AutoSizeRow(r);
      SetRowHeights(r, RowHeights(r) + Extra);
      continue;
    }
    int lines = 1;
    for (int c = 0; c < GetColCount(); ++c)
      lines = std::max(lines, LinesInText(GetCellEx(RemapCol(c), r), true));
    SizeToLines(r, lines, Extra);
  }
}

void TExtStringGrid::SizeToLines(int ARow, int Lines, int Extra) {
  if (ARow < 0 || ARow >= GetRowCount()) return;
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  const int h = canvas->TextHeight("gh");
  SetRowHeights(ARow, (h + h / 4) * Lines + Extra);
}
