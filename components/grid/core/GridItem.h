// A row taken out of the grid by hiding, filtering or a closed node: its real row number and
// its cells' texts with their Objects pointers, which travel with it. Each properties object
// among them counts one hold of the row's (CellPropertiesRef.h), let go when the row ends.
#pragma once

#include "platform/core/strings.h"

class TCellPropertiesRef;

struct TGridItem {
  TGridItem() = default;
  ~TGridItem();
  TGridItem(const TGridItem&) = delete;
  TGridItem& operator=(const TGridItem&) = delete;

  // A cell at the end of the row, holding Props.
  void AddCell(const AnsiString& Text, TCellPropertiesRef Props);
  // The properties object of cell ACol with the row's hold; its slot is empty after.
  TCellPropertiesRef TakeRef(int ACol);
  // Cell ACol (which the row has) holds Props in place of its object.
  void PutRef(int ACol, TCellPropertiesRef Props);

  int Idx = 0;
  // Objects written here directly are not held by the row.
  TStringList Items;

 private:
  int holds_ = 0;  // a row without any is let go of without a look at its cells
};
