// Copy, cut and paste of the grid's cells: the formats a copy puts together, the one a paste
// takes from the clipboard, the cells a paste may write, and the smart paste that fills a
// selection from what it pasted. Private to the grid's clipboard, paste and binary stream
// files and the selection resizer.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/files/ClipState.h"

class TExtStringGrid::CopyPaste {
 public:
  explicit CopyPaste(TExtStringGrid& grid) : g(grid) {}

  AnsiString CopyText(const TGridRect& R, bool SelectedRowsOnly);
  ClipContent CopyContent(const TGridRect& R, bool SelectedRowsOnly);
  ClipContent ClipboardContent();  // the one format a paste takes from the clipboard
  std::optional<std::vector<uint8_t>> RichBytes(int ACol, int ARow);
  std::vector<uint8_t> CellBytes(const TGridRect& R);
  TGridRect SelectionCopyRange() const;  // what CopySelectionToClipboard takes
  int PasteContent(int ACol, int ARow, const ClipContent& Content);
  void PasteSelection(const ClipContent& Content);
  void PasteBinCells(int ACol, int ARow, const std::vector<uint8_t>& Bytes);
  bool MayPaste() const;
  bool MayPasteInto(int ACol, int ARow);
  void EmptyCells(const TGridRect& R, bool Properties, bool Stored = false);
  void FillSelection(int Pasted);

 private:
  TExtStringGrid& g;
};
