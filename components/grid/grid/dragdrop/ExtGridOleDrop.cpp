// The grid as a drop target: where a drag may land (with arrows that mark it), rows of text
// pasted there, rich text in a cell, a dropped column announced, and a CSV file loaded.
#include <algorithm>

#include "components/grid/controls/ArrowWindow.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/dragdrop/esgdd.h"
#include "platform/core/files.h"

namespace {
constexpr int kRowArrowGap = 10;
constexpr int kColArrowRise = 8;
}  // namespace

HRESULT TGridDropTarget::DragEnter(IDataObject& data, DWORD keyState, TPoint point, DWORD& effect) {
  AcceptText = grid_->DragDropSettings.OleAcceptText;
  AcceptFiles = grid_->DragDropSettings.OleAcceptFiles;
  AcceptCols = grid_->DragDropSettings.OleColumnDragDrop;
  return TESGDropTarget::DragEnter(data, keyState, point, effect);
}

TGridCoord TGridDropTarget::CellAt(TPoint ScreenPoint) const {
  const TPoint at = grid_->ScreenToClient(ScreenPoint);
  int col = -1, row = -1;
  grid_->MouseToCell(at.x, at.y, col, row);
  return {col, row};
}

bool TGridDropTarget::InDraggedCells(TGridCoord Cell) const {
  const TGridOleState& state = grid_->OleState();
  if (!state.Dragging) return false;
  const TGridRect& r = state.DragRect;
  const bool wholeRows = grid_->GetOptions().Contains(goRowSelect);
  return Cell.Y >= r.Top && Cell.Y <= r.Bottom && (wholeRows || (Cell.X >= r.Left && Cell.X <= r.Right));
}

void TGridDropTarget::DragMouseMove(TPoint pt, bool& Allow, TDropFormats Formats) {
  const TGridCoord cell = CellAt(pt);
  const bool column = Formats.Contains(dfCol);
  const int fixedRows = grid_->GetFixedRows();
  Allow = Allow && cell.X >= 0 && cell.Y >= 0;
  if (Allow && !column) {
    if (cell.Y == 0 && grid_->GetTopRow() > fixedRows)
      grid_->SetTopRow(grid_->GetTopRow() - 1);
    else if (cell.Y == grid_->GetTopRow() + grid_->GetVisibleRowCount())
      grid_->SetTopRow(grid_->GetTopRow() + 1);
  }
  const bool oneFixedRow = grid_->FixedRowAlways && grid_->GetRowCount() == 1 && cell.Y == 0;
  if (column)
    Allow = Allow && cell.Y < fixedRows && cell.X >= grid_->GetFixedCols();
  else
    Allow = Allow && (cell.Y >= fixedRows || oneFixedRow) && !InDraggedCells(cell);
  if (grid_->OnOleDragOver) grid_->OnOleDragOver(grid_, cell.Y, cell.X, Allow);
  if (Allow)
    ShowMarks(cell, column);
  else
    grid_->OleState().HideArrows();
}

void TGridDropTarget::ShowMarks(TGridCoord Cell, bool Column) {
  TGridOleState& state = grid_->OleState();
  state.HideArrows();
  if (Column) {
    const TRect r = grid_->CellRect(Cell.X, Cell.Y);
    state.ShowArrow(arrUp, TPoint(r.Left, r.Top - kColArrowRise));
    state.ShowArrow(arrDown, TPoint(r.Left, r.Bottom));
    return;
  }
  const int row = Cell.Y == 0 && grid_->FixedRowAlways ? 1 : Cell.Y;
  const int col = grid_->DragDropSettings.OleEntireRows ? grid_->GetFixedCols() : Cell.X;
  const TRect r = grid_->CellRect(col, row);
  state.ShowArrow(arrLeft, TPoint(r.Left - kRowArrowGap, r.Top));
}

void TGridDropTarget::DragMouseLeave() { grid_->OleState().HideArrows(); }

// Rows inserted for the drop push the cells being dragged out of this grid down with them;
// a paste the grid refuses takes its inserted rows away again.
void TGridDropTarget::DropText(TPoint pt, const AnsiString& s) {
  TGridOleState& state = grid_->OleState();
  const TDragDropSettings& settings = grid_->DragDropSettings;
  TGridCoord cell = CellAt(pt);
  const TPoint size = grid_->PasteSize(s.c_str());
  const bool rowSelect = grid_->GetOptions().Contains(goRowSelect);
  if (rowSelect) cell.X = settings.OleEntireRows ? 0 : grid_->GetFixedCols();
  bool allow = cell.X >= 0 && cell.Y >= 0 && !InDraggedCells(cell);
  if (grid_->OnOleDrop) grid_->OnOleDrop(grid_, cell.Y, cell.X, s, allow);
  if (allow) {
    if (cell.Y == 0 && grid_->FixedRowAlways && grid_->GetRowCount() == 1) cell.Y = 1;
    int inserted = 0;
    if (settings.OleInsertRows) {
      const int top = grid_->GetTopRow();
      const int before = grid_->GetRowCount();
      grid_->InsertRows(cell.Y, size.y);
      inserted = grid_->GetRowCount() - before;
      grid_->SetTopRow(top > grid_->GetFixedRows() ? top + 1 : top);
      if (state.Dragging && inserted > 0 && cell.Y <= state.DragRect.Top) {
        state.DragRect.Top += inserted;
        state.DragRect.Bottom += inserted;
      }
    }
    if (grid_->PasteText(cell.X, cell.Y, s.c_str()) > 0) {
      MarkTaken();
      cell.X = std::max(cell.X, grid_->GetFixedCols());
      const int right = rowSelect ? cell.X + size.x - grid_->GetFixedCols() : cell.X + size.x - 1;
      TGridRect selection{cell.X, cell.Y, std::min(right, grid_->GetColCount() - 1),
                          std::min(cell.Y + size.y - 1, grid_->GetRowCount() - 1)};
      grid_->SetSelection(selection);
      state.HideAll();
      if (grid_->OnOleDropped) grid_->OnOleDropped(grid_, selection);
      return;
    }
    if (inserted > 0) grid_->RemoveRows(cell.Y, inserted);
  }
  state.HideAll();
}

void TGridDropTarget::DropRTF(TPoint pt, const AnsiString& s) {
  const TGridCoord cell = CellAt(pt);
  bool allow = cell.X >= 0 && cell.Y >= 0 && !InDraggedCells(cell);
  if (grid_->OnOleDrop) grid_->OnOleDrop(grid_, cell.Y, cell.X, s, allow);
  if (allow) {
    grid_->SetCellEx(grid_->RemapCol(cell.X), cell.Y, s);
    MarkTaken();
  }
  grid_->OleState().HideArrows();
}

void TGridDropTarget::DropCol(TPoint pt, int Col) {
  const TGridCoord cell = CellAt(pt);
  grid_->OleState().HideAll();
  if (!grid_->OnOleDropCol) return;
  grid_->OnOleDropCol(grid_, cell.Y, cell.X, Col);
  MarkTaken();
}

// One file, known by its extension: "a.csv.bak" is no CSV file. Spreadsheets come as ".xls"
// or ".xlsx", which the spreadsheet import reads alike.
void TGridDropTarget::DropFiles(TPoint, TStrings* Files) {
  grid_->OleState().HideArrows();
  if (Files->Count() != 1) return;
  const AnsiString name = Files->Strings(0);
  const AnsiString extension = AnsiUpperCase(ExtractFileExt(name));
  const bool csv = extension == ".CSV";
  if (!csv && extension != ".XLS" && extension != ".XLSX") return;
  bool allow = true;
  if (grid_->OnOleDrop) grid_->OnOleDrop(grid_, -1, -1, name, allow);
  if (!allow) return;
  if (csv)
    grid_->LoadFromCSV(name);
  else
    grid_->LoadFromXLS(name);
  MarkTaken();
}
