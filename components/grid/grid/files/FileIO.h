// What the grid's file readers and writers share (the columns an export writes, the progress
// report, the notifications that end a load), and the exchange with spreadsheets and
// databases. Private to the grid's file exchange files.
#pragma once

#include <vector>

#include "components/grid/grid/ExtGrid.h"

struct TSheetData;
struct TSheetValue;

class TExtStringGrid::FileIO {
 public:
  explicit FileIO(TExtStringGrid& grid) : g(grid) {}

  // Text files and exports
  // The column whose text a writer takes for column c: c itself when hidden columns are
  // saved, else the shown column's.
  int ExportCol(int ACol) const { return g.SaveHiddenCells ? ACol : g.RemapCol(ACol); }
  // The last column a writer reaches: the save range's, plus the hidden ones when saved.
  int ExportEndCol() const {
    return g.GetSaveEndCol() + (g.SaveHiddenCells ? g.NumHiddenColumns() : 0);
  }
  // The width of the column a writer writes as column c, by the same indexing as its cells.
  int ExportColWidth(int ACol) const;
  void ReportProgress(int& Last, int Done, int Total);
  void FinishLoading();

  // Spreadsheets, word processors and databases
  void LoadXLS(const AnsiString& FileName, const AnsiString& SheetName);
  void SaveXLS(const AnsiString& FileName, const AnsiString& SheetName);
  void PlaceSheet(const TSheetData& Sheet);
  std::vector<std::vector<TSheetValue>> SheetRows();
  // Table, when not empty, is read whole; else the records of SQL.
  void LoadMDB(const AnsiString& FileName, const AnsiString& Table, const AnsiString& SQL);

 private:
  TExtStringGrid& g;
};
