#include "components/grid/formats/SheetData.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

namespace {

template <typename T>
void Put(std::string& Out, T Value) {
  Out.append(reinterpret_cast<const char*>(&Value), sizeof Value);
}

template <typename T>
bool Take(const std::string& In, std::size_t& At, T& Value) {
  if (In.size() - At < sizeof Value) return false;
  std::memcpy(&Value, In.data() + At, sizeof Value);
  At += sizeof Value;
  return true;
}

}  // namespace

// Each cell: row, column, kind, number, text length and text, in the machine's own order,
// since both ends are this program on this machine.
std::string EncodeSheetCells(const TSheetData& Sheet) {
  std::string out;
  for (const auto& [at, value] : Sheet.Cells) {
    Put<int32_t>(out, at.first);
    Put<int32_t>(out, at.second);
    Put<int32_t>(out, value.Kind);
    Put<double>(out, value.Number);
    Put<uint32_t>(out, static_cast<uint32_t>(value.Text.size()));
    out += value.Text;
  }
  return out;
}

bool DecodeSheetCells(const std::string& Bytes, TSheetData& Sheet) {
  std::size_t at = 0;
  while (at < Bytes.size()) {
    int32_t row, col, kind;
    TSheetValue value;
    uint32_t length;
    if (!Take(Bytes, at, row) || !Take(Bytes, at, col) || !Take(Bytes, at, kind) ||
        !Take(Bytes, at, value.Number) || !Take(Bytes, at, length) ||
        Bytes.size() - at < length || kind < TSheetValue::skEmpty || kind > TSheetValue::skError)
      return false;
    value.Kind = static_cast<TSheetValue::TKind>(kind);
    value.Text = Bytes.substr(at, length);
    at += length;
    Sheet.Include(col, row);
    Sheet.Cells[{row, col}] = std::move(value);
  }
  return true;
}
