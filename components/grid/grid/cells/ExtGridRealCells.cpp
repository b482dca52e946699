// TExtStringGrid: cells in the real numbering, where hidden rows still count and keep their
// cells in the hidden-row store, and the widths kept for every real column.
#include <algorithm>
#include <limits>

#include "components/grid/core/CellPropertiesRef.h"
#include "components/grid/core/ColumnMap.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"

namespace {

// The store's slot for a cell of a hidden row; none for a column the grid does not have.
TStringList* WritableSlot(TGridItem* item, int ACol, int ColCount) {
  if (!item || ACol < 0 || ACol >= ColCount) return nullptr;
  while (item->Items.Count() <= ACol) item->Items.Add("");
  return &item->Items;
}

bool HasSlot(const TGridItem& item, int ACol) { return ACol >= 0 && ACol < item.Items.Count(); }

}  // namespace

int TExtStringGrid::RemapRow(int RealRow) const { return RealRow - HiddenRows.CountBelow(RealRow); }

AnsiString TExtStringGrid::GetCellsEx(int ACol, int ARow) {
  if (const TGridItem* item = HiddenRows.Find(ARow))
    return HasSlot(*item, ACol) ? item->Items.Strings(ACol) : AnsiString();
  return GetCellEx(ACol, RemapRow(ARow));
}

void TExtStringGrid::SetCellsEx(int ACol, int ARow, const AnsiString& Value) {
  if (TGridItem* item = HiddenRows.Find(ARow)) {
    if (TStringList* cells = WritableSlot(item, ACol, GetColCount() + NumHiddenColumns()))
      cells->SetStrings(ACol, Value);
    return;
  }
  const int row = RemapRow(ARow);
  SetCellEx(ACol, row, Value);
  // The store repaints the cell by its real column.
  if (RemapColInv(ACol) != ACol) RepaintCell(RemapColInv(ACol), row);
}

TObject* TExtStringGrid::GetObjectsEx(int ACol, int ARow) const {
  if (const TGridItem* item = HiddenRows.Find(ARow)) {
    const auto* props =
        HasSlot(*item, ACol) ? dynamic_cast<TCellProperties*>(item->Items.Objects(ACol)) : nullptr;
    return props ? props->CellObject : nullptr;
  }
  return GetObjectEx(ACol, RemapRow(ARow));
}

void TExtStringGrid::SetObjectsEx(int ACol, int ARow, TObject* Obj) {
  TGridItem* item = HiddenRows.Find(ARow);
  if (!item) return SetObjectEx(ACol, RemapRow(ARow), Obj);
  TStringList* cells = WritableSlot(item, ACol, GetColCount() + NumHiddenColumns());
  if (!cells) return;
  auto* props = dynamic_cast<TCellProperties*>(cells->Objects(ACol));
  if (!props) {
    // The stored row holds it as the cell would: it travels back with the row.
    props = new TCellProperties(this, ACol, ARow);
    item->PutRef(ACol, TCellPropertiesRef(props));
  }
  props->CellObject = Obj;
}

int TExtStringGrid::GetAllColWidths(int ACol) const { return d_->columns->Width(ACol); }

void TExtStringGrid::SetAllColWidths(int ACol, int Value) {
  d_->columns->SetWidth(ACol, Value);
  if (IsHiddenColumn(ACol)) return;
  const int col = RemapColInv(ACol);
  if (col >= 0 && col < GetColCount()) SetColWidths(col, Value);
}
