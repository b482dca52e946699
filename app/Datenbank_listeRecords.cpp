// The list's records: the entry form on a row, the quick search from a header, deleting a
// row's record and the total price of the hits.
#include <algorithm>
#include <vector>

#include "app/DatabaseDefinition.h"
#include "app/Datenbank_liste.h"
#include "app/Dbaseabfrage.h"
#include "app/Kalvento_maske.h"
#include "app/PartsFields.h"
#include "engine/DbaseHitValues.h"
#include "engine/DbaseRecordPass.h"
#include "engine/dbase.h"
#include "platform/controls/dialogs.h"

namespace {

constexpr std::size_t kQueryTextLength = 19;  // a query slot's text

}  // namespace

void TfrmDatenbank_Liste::btnBearbeitenClick(TObject* /*Sender*/) {
  dbase_klickzeile = grdAusgabe->GetRow();
  actMaskeAufrufen->Execute();
}

void TfrmDatenbank_Liste::grdAusgabeDblClickCell(TObject* /*Sender*/, int ARow, int ACol) {
  dbase_klickzeile = ARow;
  dbase_klickspalte = ACol;
  actMaskeAufrufen->Execute();
  for (int col : {2, 1})
    if (col < grdAusgabe->GetColCount()) grdAusgabe->SetCol(col);
}

void TfrmDatenbank_Liste::actMaskeAufrufenExecute(TObject* /*Sender*/) {
  if (dbase_klickzeile != 0) {
    const long shown = RowPosition(grdAusgabe->GetRow());
    if (shown != -1) {
      dbase_indexposition = shown;
      dbase_satznummer = dbase_indexdsnr(shown);
      ShowEntryForm();
      FollowEntryForm(shown);
    }
  } else {
    QuickSearch(dbase_klickspalte);
  }
  if (dbase_neusortieren == 1)
    NeuSortierenExecute(this);
  else
    Ausgeben->Execute();
  GesamtpreisRechnen->Execute();
}

// Only the definition "Kalvento.dbm" offers the entry form.
void TfrmDatenbank_Liste::ShowEntryForm() { dbase_maskeaufrufen(); }

// The entry form may have stepped to another hit: its row when the page shows it, else a page
// that starts with it.
void TfrmDatenbank_Liste::FollowEntryForm(long shown) {
  if (dbase_indexposition == shown) return;
  const long first = static_cast<long>(dbase_ersterindex);
  const long row = dbase_indexposition - first + 1;
  if (row >= 1 && row < grdAusgabe->GetRowCount()) {
    SelectRow(static_cast<int>(row));
  } else if (dbase_indexposition >= 0 &&
             dbase_indexposition < static_cast<long>(dbase_anzahlindex)) {
    dbase_ersterindex = static_cast<uint32_t>(dbase_indexposition);
    SelectRow(1);
    FillPage();
  }
}

// One criterion, "=" on the column's field, run by the query window without the user; a text
// field matches every text that begins with the answer.
void TfrmDatenbank_Liste::QuickSearch(int column) {
  if (column < 0 || column >= grdAusgabe->GetColumns()->Count()) return;
  const int field = grdAusgabe->GetColumns()->GetItem(column)->Tag;
  if (field >= kDbaseFirstLinkTag) {
    ShowMessage("suchen in Feldern verkn\xFCpfter Datenbanken ist nicht m\xF6glich");
    return;
  }
  const AnsiString name = dbase_feldnameholen(field);
  if (name.empty()) return;
  AnsiString answer = InputBox("Schnellsuche", name + " = ", "");
  if (answer.empty()) return;
  const bool text = dbase_feldtyp[field] == 'C';
  // The answer and its "*" must fit the query's slot.
  answer.resize(std::min(answer.size(), kQueryTextLength - (text ? 1 : 0)));
  schnellsuche_feld = name;
  schnellsuche_wert = text ? answer + "*" : answer;
  schnellsuche_sortierfeld = dbase_feldnameholen(0);
  dbase_abfrageaufrufen();
  dbase_ersterindex = 0;
  SelectRow(1);
  cboAusgabe->SetText("LetzteAbfrage.dba");
}

void TfrmDatenbank_Liste::btnLoeschenClick(TObject* /*Sender*/) {
  // Only a "Yes" deletes: closing the box is no answer to act on.
  if (MessageDlg("Datensatz wirklich l\xF6schen?", mtConfirmation, {mbYes, mbAbort}) != mrYes)
    return;
  DeleteRow(grdAusgabe->GetRow());
  // The deleted record reads as deleted and adds nothing: the total never shows its price.
  GesamtpreisRechnen->Execute();
}

// The hit stays in the index, blanked, until the next run. A record another operator is
// editing is not deleted: their save would write it back. Nor is one that is no longer what
// the row shows: the row is stale, and its slot may hold another operator's new record.
void TfrmDatenbank_Liste::DeleteRow(int row) {
  const long shown = RowPosition(row);
  if (shown == -1) return;
  const long record = dbase_indexdsnr(shown);
  const AnsiString lockBase = DbmLockBase();
  if (dbase_sperren(lockBase, record, dbase_bediener) == -1) return;
  if (!RowStillShows(row, record)) {
    dbase_entsperren(lockBase, record, dbase_bediener);  // no lock is held while it is said
    ShowMessage("Der Datensatz wurde inzwischen von einem anderen Bediener ge\xE4ndert oder "
                "gel\xF6scht - nichts gel\xF6scht");
    NeuSortierenExecute(this);
    return;
  }
  dbase_satznummer = record;
  const int deleted = dbase_loeschen(record);
  dbase_entsperren(lockBase, record, dbase_bediener);
  if (deleted != 1) return;  // the engine has said why; the hit stays as the table holds it
  grdAusgabe->SetCellEx(0, row, "-1");
  for (int c = 1; c < grdAusgabe->GetColCount(); ++c) grdAusgabe->SetCellEx(c, row, "");
  dbase_indexposition = 0;
}

// The record, read under its lock, is not deleted and has the designation the row shows. A
// layout without the designation compares every field the row shows instead; linked values
// may change with their own table.
bool TfrmDatenbank_Liste::RowStillShows(int row, long record) {
  if (dbase_lesen(record) != 1) return false;
  TGridColumnCollection* items = grdAusgabe->GetColumns();
  auto columnsWhere = [&](auto wanted) {
    std::vector<int> columns;
    for (int c = 1; c < grdAusgabe->GetColCount(); ++c)
      if (wanted(items->GetItem(c)->Tag)) columns.push_back(c);
    return columns;
  };
  std::vector<int> columns = columnsWhere([](int tag) { return tag == kDesignation; });
  if (columns.empty())
    columns = columnsWhere([](int tag) { return tag >= 0 && tag < dbase_anzahldatenfelder; });
  for (int c : columns)
    if (DbaseColumnValue(items->GetItem(c)->Tag) != grdAusgabe->GetCellEx(c, row)) return false;
  return true;
}

// The total price field of every hit; records that cannot be read (deleted meanwhile) add
// nothing, and a table without that field totals 0 rather than a message per hit. Right after
// a run its own reading gives the values; else the hits are read in record order, since a sum
// needs no order, in large blocks where they lie close.
void TfrmDatenbank_Liste::GesamtpreisRechnenExecute(TObject* /*Sender*/) {
  double sum = 0;
  if (kTotalPrice < dbase_anzahldatenfelder && !DbaseKeptHitSum(kTotalPrice, sum)) {
    const std::vector<long> records = DbaseIndexGridHitRecords();
    DbaseRecordPass pass(dbase_tabelle, {kTotalPrice}, &records);
    for (long record : records) {
      if (pass.Read(record) != 1) continue;
      dbase_tr(kTotalPrice);
      sum += DbaseTextValue();
    }
    pass.Finish();
  }
  labGesamtpreis->SetCaption(FloatToStr(sum));
}
