// The list's page: the layouts of the tabs, paging by the scroll bar and the keys, and the
// counter of the current row.
#include "app/Datenbank_liste.h"

#include "app/DatabaseDefinition.h"
#include "engine/dbase.h"
#include "platform/controls/keys.h"

namespace {

constexpr int kIndexColumnWidth = 42;

}  // namespace

void TfrmDatenbank_Liste::actEinstellungenLadenExecute(TObject* /*Sender*/) {
  const int layout = PageControl1->GetActivePageIndex() + 1;
  ApplyLayout(grdAusgabe, layout);
  ApplyLayout(grdEinstellungen, layout);
}

// Column 0 is the index column; a layout of one column has nothing else, and no fixed
// column then, since a grid keeps at least one scrollable column.
void TfrmDatenbank_Liste::ApplyLayout(TExtColumnGrid* grid, int layout) {
  const int count = DbmColumnCount(layout);
  grid->BeginUpdate();
  grid->SetFixedCols(0);
  grid->SetColCount(count);
  if (count > 1) grid->SetFixedCols(1);
  grid->SetCells(0, 0, "Index");
  grid->GetColumns()->GetItem(0)->SetWidth(kIndexColumnWidth);
  for (int c = 1; c < count; ++c) {
    TGridColumnItem* column = grid->GetColumns()->GetItem(c);
    column->Tag = dbm_spaltenfeld[c][layout];
    grid->SetCells(c, 0, dbm_spaltentitel[c][layout]);
    column->SetWidth(DbmColumnWidth(c, layout));
    column->SetColor(static_cast<TColor>(dbm_spaltenfarbe[c][layout]));
  }
  grid->EndUpdate();
  // A layout shows from its first column, wherever the last one was scrolled to.
  grid->SetLeftCol(grid->GetFixedCols());
}

void TfrmDatenbank_Liste::PageControl1Change(TObject* /*Sender*/) {
  actEinstellungenLaden->Execute();
  FillPage();
}

void TfrmDatenbank_Liste::FillPage() { dbase_ausgabe(grdAusgabe); }

void TfrmDatenbank_Liste::scrAusgabeChange(TObject* /*Sender*/) {
  dbase_ersterindex = static_cast<uint32_t>(scrAusgabe->GetPosition());
  FillPage();
}

// The cursor leaving the page moves the page instead; the grid then takes the key as well,
// which cannot move it past the page's edge.
void TfrmDatenbank_Liste::grdAusgabeKeyDown(TObject* /*Sender*/, WORD& Key, TShiftState /*Shift*/) {
  const int row = grdAusgabe->GetRow();
  const int last = grdAusgabe->GetRowCount() - 1;
  const int page = grdAusgabe->GetRowCount() - 2;
  int move = 0;
  if (Key == VK_DOWN && row == last) move = 1;
  if (Key == VK_UP && row == 1) move = -1;
  if (Key == VK_NEXT && row == last) move = page;
  if (Key == VK_PRIOR && row == 1) move = -page;
  if (move != 0) scrAusgabe->SetPosition(scrAusgabe->GetPosition() + move);
  scrAusgabeChange(this);
}

void TfrmDatenbank_Liste::tmrIdleTimer(TObject* /*Sender*/) {
  labDsNr->SetCaption(grdAusgabe->GetCellEx(0, grdAusgabe->GetRow()));
}

long TfrmDatenbank_Liste::RowPosition(int row) {
  if (row < 1 || row >= grdAusgabe->GetRowCount()) return -1;
  return StrToIntDef(grdAusgabe->GetCellEx(0, row), -1);
}

void TfrmDatenbank_Liste::SelectRow(int row) {
  if (row >= grdAusgabe->GetFixedRows() && row < grdAusgabe->GetRowCount()) grdAusgabe->SetRow(row);
}
