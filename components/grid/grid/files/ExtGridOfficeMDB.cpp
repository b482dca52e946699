// TExtStringGrid: the records of a database query loaded into the cells, through ODBC. An
// Access file is reached through the Access driver by its registered name.
#include "components/grid/formats/OdbcRecordSet.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/files/BusyCursor.h"
#include "components/grid/grid/files/FileIO.h"

namespace {

constexpr const char* kAccessConnection = "Driver={Microsoft Access Driver (*.mdb)};DBQ=";
constexpr const char* kSelectAll = "SELECT * FROM ";

AnsiString ConnectionText(const AnsiString& FileName) {
  if (FileName.find('=') != AnsiString::npos) return FileName;
  return kAccessConnection + ConnectionValue(FileName);
}

}  // namespace

void TExtStringGrid::LoadFromMDBTable(const AnsiString& FileName, const AnsiString& Table) {
  FileIO(*this).LoadMDB(FileName, Table, "");
}

void TExtStringGrid::LoadFromMDBSQL(const AnsiString& FileName, const AnsiString& SQL) {
  FileIO(*this).LoadMDB(FileName, "", SQL);
}

// Rows grow before a record is written when the driver does not count them first; rows
// left from before after the last record are emptied.
void TExtStringGrid::FileIO::LoadMDB(const AnsiString& FileName, const AnsiString& Table,
                                     const AnsiString& SQL) {
  BusyCursor busy;
  OdbcConnection connection(ConnectionText(FileName));
  OdbcRecordSet records(connection, Table.empty() ? SQL : kSelectAll + connection.QuoteName(Table));
  const int fixedCols = g.GetFixedCols();
  const int fixedRows = g.GetFixedRows();
  const int n = records.FieldCount();
  g.SetColCountEx(fixedCols + n);
  if (fixedRows > 0)
    for (int i = 0; i < n; ++i) g.SetCellEx(fixedCols + i, fixedRows - 1, records.FieldName(i));
  if (records.RecordCount() > 0)
    g.SetRowCountEx(fixedRows + static_cast<int>(records.RecordCount()));
  int r = fixedRows;
  for (; !records.Eof(); records.MoveNext(), ++r) {
    if (r >= g.GetRowCountEx()) g.SetRowCountEx(r + 1);
    for (int i = 0; i < n; ++i) g.SetCellEx(fixedCols + i, r, records.Value(i));
  }
  for (; r < g.GetRowCountEx(); ++r)
    for (int c = fixedCols; c < g.GetColCountEx(); ++c) g.SetCellEx(c, r, "");
}
