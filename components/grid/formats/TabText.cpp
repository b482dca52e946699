#include "components/grid/formats/TabText.h"

TTabRows TabTextRows(const AnsiString& Text) {
  TTabRows rows;
  std::size_t pos = 0;
  while (pos < Text.size()) {
    std::size_t cr = Text.find('\r', pos);
    if (cr == std::string::npos) cr = Text.size();
    std::vector<AnsiString>& fields = rows.emplace_back();
    for (std::size_t start = pos; start < cr || fields.empty();) {
      std::size_t tab = Text.find('\t', start);
      if (tab == std::string::npos || tab > cr) tab = cr;
      fields.emplace_back(Text, start, tab - start);
      start = tab + 1;
    }
    pos = cr + 1;
    if (pos < Text.size() && Text[pos] == '\n') ++pos;
  }
  return rows;
}

TPoint TabTextSize(const AnsiString& Text) {
  const TTabRows rows = TabTextRows(Text);
  int cols = 0;
  for (const auto& fields : rows) cols = std::max(cols, static_cast<int>(fields.size()));
  return {cols, static_cast<int>(rows.size())};
}

AnsiString JoinTabText(const TTabRows& Rows) {
  std::size_t size = 0;
  for (const auto& fields : Rows)
    for (const AnsiString& field : fields) size += field.size() + 3;
  AnsiString text;
  text.reserve(size);
  for (std::size_t r = 0; r < Rows.size(); ++r) {
    if (r > 0) text += "\r\n";
    for (const AnsiString& field : Rows[r]) (text += field) += '\t';
  }
  return text;
}
