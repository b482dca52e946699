#include "components/grid/grid/paint/FooterTemplate.h"

#include <cctype>

namespace {
bool ColumnNumber(const AnsiString& digits, int& column) {
  if (digits.empty() || digits.size() > 9) return false;
  column = 0;
  for (char c : digits) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    column = column * 10 + (c - '0');
  }
  return true;
}
}  // namespace

AnsiString HTMLColReplace(const AnsiString& Template,
                          const std::function<AnsiString(int ACol)>& ColumnText) {
  AnsiString result;
  size_t from = 0;
  for (;;) {
    const size_t tag = Template.find("<#", from);
    const size_t end = tag == AnsiString::npos ? tag : Template.find('>', tag + 2);
    if (end == AnsiString::npos) break;
    result += Template.substr(from, tag - from);
    int column = 0;
    if (ColumnNumber(Template.substr(tag + 2, end - tag - 2), column)) result += ColumnText(column);
    from = end + 1;
  }
  return result + Template.substr(from);
}
