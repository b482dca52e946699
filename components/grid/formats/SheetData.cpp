#include "components/grid/formats/SheetData.h"

#include <algorithm>

void TSheetData::Include(int Col, int Row) {
  if (!any_) {
    FirstCol = LastCol = Col;
    FirstRow = LastRow = Row;
    any_ = true;
    return;
  }
  FirstCol = std::min(FirstCol, Col), LastCol = std::max(LastCol, Col);
  FirstRow = std::min(FirstRow, Row), LastRow = std::max(LastRow, Row);
}

const TSheetValue& TSheetData::At(int Col, int Row) const {
  static const TSheetValue empty;
  const auto it = Cells.find({Row, Col});
  return it == Cells.end() ? empty : it->second;
}
