// TExtStringGrid: the cells saved as a table of a word-processor document, fixed cells
// included, each cell aligned as the grid shows it.
#include "components/grid/grid/files/BusyCursor.h"
#include "components/grid/formats/DocxWriter.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/files/OfficeTargets.h"

void TExtStringGrid::SaveToDOC(const AnsiString& FileName) {
  BusyCursor busy;
  TDocTable table;
  for (int r = 0; r < GetRowCountEx(); ++r) {
    auto& row = table.emplace_back();
    for (int c = 0; c < GetColCountEx(); ++c) {
      TDocCell& cell = row.emplace_back();
      cell.Text = SaveCell(RemapCol(c), r);
      const TAlignment align = GetCellAlignment(c, r).HAlign;
      cell.Align = align == taRightJustify ? TDocCell::Right
                   : align == taCenter     ? TDocCell::Center
                                           : TDocCell::Left;
    }
  }
  WriteOfficeTarget(FileName, ".doc", ".docx", kWordNotFound, false,
                    [&](const AnsiString& Target, bool) { WriteDocxTable(Target, table); });
}
