// TBaseGrid: construction, cell text and the cells' properties objects.
#include "components/grid/core/BaseGrid.h"

#include <climits>

#include "components/grid/core/CellPropertiesRef.h"
#include "components/grid/core/PropertyReferences.h"
#include "platform/grids/grid_error.h"

TBaseGrid::TBaseGrid(TComponent* AOwner) : TStringGrid(AOwner), dataRowCount_(GetRowCount()) {
  TStringGrid::SetDefaultDrawing(false);
  TStringGrid::SetGridLineWidth(0);
  SetOptions(GetOptions() + goDrawFocusSelected);
}

TBaseGrid::~TBaseGrid() { ClearProps(); }

void TBaseGrid::SetGridLineWidth(int Value) {
  gridLineWidth_ = Value;
  Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value) {
  gridLineColor_ = Value;
  Invalidate();
}

void TBaseGrid::SetRowCount(int Value) {
  dataRowCount_ = Value;
  TStringGrid::SetRowCount(Value);
}

// --- text ----------------------------------------------------------------------------------

AnsiString TBaseGrid::GetCellEx(int ACol, int ARow) {
  const TPoint base = BaseCell(ACol, ARow);
  AnsiString value = Cells(base.x, base.y);
  if (OnGetDisplText && base.y < dataRowCount_) OnGetDisplText(this, base.x, base.y, value);
  return value;
}

void TBaseGrid::SetCellEx(int ACol, int ARow, const AnsiString& Value) {
  if (HasCellProperties(ACol, ARow)) {
    const TPoint base = BaseCell(ACol, ARow);
    SetCells(base.x, base.y, Value);
    if (GetParent()) RepaintCell(ACol, ARow);
  } else {
    SetCells(ACol, ARow, Value);
  }
  if (footerShown_ && ARow == GetRowCount() - 1) FloatFooterUpdate();
}

// --- properties objects --------------------------------------------------------------------

TCellProperties* TBaseGrid::FindCellProperties(int ACol, int ARow) const {
  return dynamic_cast<TCellProperties*>(Objects(ACol, ARow));
}

TCellProperties* TBaseGrid::GetCellProperties(int ACol, int ARow) {
  if (TCellProperties* props = FindCellProperties(ACol, ARow)) return props;
  // The store drops what is written to a negative cell: the object would be lost.
  if (ACol < 0 || ARow < 0) throw EInvalidGridOperation(kGridIndexOutOfRange);
  auto* props = new TCellProperties(this, ACol, ARow);
  TakeObject(ACol, ARow, props);
  return props;
}

void TBaseGrid::TakeObject(int ACol, int ARow, TObject* Obj) {
  if (Obj == FindCellProperties(ACol, ARow)) return;
  PlaceObject(ACol, ARow, Obj, TCellPropertiesRef(dynamic_cast<TCellProperties*>(Obj)));
}

void TBaseGrid::PutCellRef(int ACol, int ARow, TCellPropertiesRef Props) {
  TCellProperties* props = Props.Get();
  PlaceObject(ACol, ARow, props, std::move(Props));
}

// The old object is released only once the slot no longer points to it: a store that cannot
// take the new one keeps the old, and the new reference is released with Hold.
void TBaseGrid::PlaceObject(int ACol, int ARow, TObject* Obj, TCellPropertiesRef Hold) {
  if (ACol < 0 || ARow < 0) return;  // the store keeps nothing there
  TCellProperties* old = FindCellProperties(ACol, ARow);
  if (!Obj && !old) return;
  SetObjects(ACol, ARow, Obj);
  (void)Hold.Detach();  // the slot owns the reference now
  const TCellPropertiesRef replaced = TCellPropertiesRef::Adopt(old);
}

TCellPropertiesRef TBaseGrid::TakeCellRef(int ACol, int ARow) {
  TCellProperties* props = FindCellProperties(ACol, ARow);
  if (props) SetObjects(ACol, ARow, nullptr);
  return TCellPropertiesRef::Adopt(props);
}

void TBaseGrid::CountReferences(TPropertyReferences& References) const {
  ForEachStored(TGridCells::Slot::Object, {0, 0, INT_MAX, INT_MAX},
                [&](int c, int r) { References.Count(Objects(c, r)); });
}

std::string TBaseGrid::ReferenceFault() const {
  TPropertyReferences references;
  CountReferences(references);
  return references.Fault();
}

void TBaseGrid::SetCellProperties(int ACol, int ARow, TCellProperties* P) {
  if (ACol < 0 || ARow < 0) throw EInvalidGridOperation(kGridIndexOutOfRange);
  TakeObject(ACol, ARow, P);
}

TObject* TBaseGrid::GetObjectEx(int ACol, int ARow) const {
  const TCellProperties* props = FindCellProperties(ACol, ARow);
  return props ? props->CellObject : nullptr;
}

void TBaseGrid::SetObjectEx(int ACol, int ARow, TObject* Obj) {
  GetCellProperties(ACol, ARow)->CellObject = Obj;
}

TCellGraphic* TBaseGrid::GetGraphicObjectEx(int ACol, int ARow) const {
  const TCellProperties* props = FindCellProperties(ACol, ARow);
  return props ? props->Graphic : nullptr;
}

void TBaseGrid::SetGraphicObjectEx(int ACol, int ARow, TCellGraphic* Graphic) {
  GetCellProperties(ACol, ARow)->Graphic = Graphic;
}

void TBaseGrid::ClearPropCell(int ACol, int ARow) {
  const TCellPropertiesRef released = TakeCellRef(ACol, ARow);
}

void TBaseGrid::ClearPropRow(int ARow) { ClearPropRect(0, ARow, GetColCount() - 1, ARow); }

void TBaseGrid::ClearPropRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  ForEachStored(TGridCells::Slot::Object, {ACol1, ARow1, ACol2, ARow2},
                [this](int c, int r) { ClearPropCell(c, r); });
}

void TBaseGrid::ClearProps() { ClearPropRect(0, 0, INT_MAX, INT_MAX); }

void TBaseGrid::NilCell(int ACol, int ARow) {
  SetCells(ACol, ARow, "");
  SetObjects(ACol, ARow, nullptr);
}

void TBaseGrid::ForEachStoredRow(int ACol, const std::function<void(int ARow)>& Visit) const {
  for (const auto slot : {TGridCells::Slot::Text, TGridCells::Slot::Object})
    ForEachStored(slot, {ACol, 0, ACol, GetRowCount() - 1}, [&](int, int r) { Visit(r); });
}

void TBaseGrid::NilCol(int ACol) {
  ForEachStoredRow(ACol, [&](int r) { NilCell(ACol, r); });
}

void TBaseGrid::NilRow(int ARow) {
  for (int c = 0; c < GetColCount(); ++c) NilCell(c, ARow);
}

// Only rows where either column stores something change.
void TBaseGrid::CopyCols(int ToCol, int FromCol) {
  if (ToCol == FromCol) return;
  auto copy = [&](int r) {
    SetCells(ToCol, r, Cells(FromCol, r));
    TakeObject(ToCol, r, Objects(FromCol, r));
  };
  ForEachStoredRow(FromCol, copy);
  ForEachStoredRow(ToCol, copy);
}

void TBaseGrid::CopyRows(int ToRow, int FromRow) {
  if (ToRow == FromRow) return;
  for (int c = 0; c < GetColCount(); ++c) {
    SetCellEx(c, ToRow, GetCellEx(c, FromRow));
    TakeObject(c, ToRow, Objects(c, FromRow));
  }
}
