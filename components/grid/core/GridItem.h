// A row taken out of the grid by hiding, filtering or a closed node: its real row number and
// its cells' texts with their Objects pointers, which travel with it. The row owns one
// reference to each properties object among them (CellPropertiesRef.h), released when the row
// is destroyed.
#pragma once

#include "platform/core/strings.h"

class TCellPropertiesRef;

struct TGridItem {
  TGridItem() = default;
  ~TGridItem();
  TGridItem(const TGridItem&) = delete;
  TGridItem& operator=(const TGridItem&) = delete;

  // A cell at the end of the row, owning a reference to Props.
  void AddCell(const AnsiString& Text, TCellPropertiesRef Props);
  // The properties object of cell ACol with the row's reference; its slot is empty after.
  TCellPropertiesRef TakeRef(int ACol);
  // Cell ACol (which the row has) takes Props in place of its object.
  void PutRef(int ACol, TCellPropertiesRef Props);

  int Idx = 0;
  // Objects written here directly are not owned by the row.
  TStringList Items;

 private:
  int holds_ = 0;  // references owned; a row without any is destroyed without a look at its cells
};
