// The cells of one worksheet as a spreadsheet file gives them: its used range (1-based
// columns and rows, A1 = (1, 1)) and the typed values in it. Texts are Windows-1252.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/core/text.h"

struct TSheetValue {
  enum TKind { skEmpty, skText, skNumber, skDate, skBoolean, skError };
  TKind Kind = skEmpty;
  AnsiString Text;    // skText
  double Number = 0;  // skNumber, skDate (days since 30.12.1899), skBoolean (0 or 1)
};

struct TSheetData {
  int FirstCol = 1, FirstRow = 1, LastCol = 1, LastRow = 1;
  std::map<std::pair<int, int>, TSheetValue> Cells;  // by (row, column)

  // Widens the used range to the cell; the first cell sets it.
  void Include(int Col, int Row);
  const TSheetValue& At(int Col, int Row) const;

 private:
  bool any_ = false;
};

// The cells as bytes and back, to hand a sheet from one process to another. Decoding takes
// only whole cells and gives false for bytes that are no such encoding.
std::string EncodeSheetCells(const TSheetData& Sheet);
bool DecodeSheetCells(const std::string& Bytes, TSheetData& Sheet);
