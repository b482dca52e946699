// The query window's index grid and the list grid: the engine's index logic over real grids.
#include "engine/DbaseHitValues.h"
#include "engine/ResultIndexGrid.h"
#include "engine/dbase.h"
#include "platform/stdctrls/scrollbar.h"

TExtColumnGrid* dbase_indexgrid = nullptr;

namespace {

// The adapter is destroyed before the values are taken as kept: it leaves the grid's rows.
void RunInto(TExtColumnGrid& g, DbaseHitValues* keep) {
  GridResultIndex index(g);
  DbaseRunQuery(index, keep);
}

}  // namespace

void dbase_abfrage(TExtColumnGrid* g) {
  DbaseShapeIndexGrid(*g);
  RunInto(*g, DbaseStartKeepingHitValues());
  DbaseHitValuesKept(*g);
}

long dbase_indexdsnr(long p) {
  if (dbase_indexgrid == nullptr) return 0;
  return DbaseIndexRecord(GridResultIndex(*dbase_indexgrid), p);
}

std::vector<long> DbaseIndexGridHitRecords() {
  // Without a grid every position names record 0, as dbase_indexdsnr says.
  if (dbase_indexgrid == nullptr) return std::vector<long>(dbase_anzahlindex, 0);
  return DbaseHitRecords(GridResultIndex(*dbase_indexgrid));
}

AnsiString dbase_spaltenwert(int c, TExtColumnGrid* l) {
  // A column the list does not have has no value, rather than an exception in a paint loop.
  if (l == nullptr || c < 0 || c >= l->GetColumns()->Count()) return {};
  return DbaseColumnValue(l->GetColumns()->GetItem(c)->Tag);
}

void dbase_ausgabe(TExtColumnGrid* l) {
  if (dbase_indexgrid == nullptr) return;
  const GridResultIndex index(*dbase_indexgrid);
  std::vector<int> tags;
  for (int c = 0; c < l->GetColCount(); ++c) tags.push_back(l->GetColumns()->GetItem(c)->Tag);
  for (int i = 1; i < l->GetRowCount(); ++i) {
    const std::vector<AnsiString> row = DbasePageRow(index, dbase_ersterindex + i - 1, tags);
    for (int c = 0; c < l->GetColCount(); ++c) l->SetCells(c, i, row[c]);
  }
}

void dbase_scrollbar(TScrollBar* s, TExtColumnGrid* l) {
  const DbaseScrollRange range = DbaseScrollRangeFor(l->GetRowCount());
  s->SetParams(range.Position, range.Min, range.Max);
  s->SetLargeChange(range.LargeChange);
}
