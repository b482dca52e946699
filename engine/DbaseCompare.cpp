// One query criterion against one field of the current record, by the field's type. The
// field's text and the criterion are compared on their first 19 characters, the length of a
// query text slot; a longer criterion ends in "*" instead.
#include <algorithm>
#include <cstring>

#include "engine/DbaseTable.h"
#include "engine/DbaseText.h"

namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

// Byte-wise, as unsigned characters; a leading part sorts first.
int CompareBytes(std::string_view a, std::string_view b) { return Sign(a.compare(b)); }

// The stored YYYYMMDD against a criterion written DD.MM.YYYY; missing characters are blanks.
int CompareDate(const DbaseTable& t, int n, std::string_view criterion) {
  auto at = [&criterion](std::size_t i) { return i < criterion.size() ? criterion[i] : ' '; };
  const char wanted[8] = {at(6), at(7), at(8), at(9), at(3), at(4), at(0), at(1)};
  char stored[8];
  std::size_t length = std::min<std::size_t>(t.feldlength[n], sizeof stored);
  std::memset(stored, ' ', sizeof stored);
  std::memcpy(stored, t.record.data() + t.feldoffset[n], length);
  return CompareBytes({stored, sizeof stored}, {wanted, sizeof wanted});
}

int CompareNumber(std::string_view criterion) {
  double field = dbase_textnachzahl();
  std::size_t length = std::min<std::size_t>(criterion.size(), kDbaseTextCut);
  criterion.copy(dbase_text, length);
  dbase_text[length] = '\0';
  double wanted = dbase_textnachzahl();
  return (field > wanted) - (field < wanted);
}

}  // namespace

std::string_view DbaseComparedCriterion(std::string_view criterion, DbaseCriterionCut& cut) {
  if (criterion.size() <= kDbaseCompared) return criterion;
  criterion.copy(cut.data(), kDbaseCompared);
  cut[kDbaseCompared] = '*';
  return {cut.data(), cut.size()};
}

int DbaseFieldCompare(DbaseTable& t, int n, std::string_view criterion, uint8_t zeichensatz,
                      int grossklein) {
  DbaseCriterionCut cut;
  criterion = DbaseComparedCriterion(criterion, cut);
  // An unreadable field (its message is shown) compares as an empty text.
  char type = DbaseFieldRead(t, n, zeichensatz) != 0 ? t.feldtyp[n] : '\0';
  dbase_text[kDbaseCompared] = '\0';
  std::string_view field(dbase_text, strnlen(dbase_text, kDbaseCompared));
  switch (type) {
    case 'C':
      if (dbase_wildcardvergleich(criterion, field, grossklein) == 0) return 0;
      return CompareBytes(field, criterion);
    case 'D':
      return CompareDate(t, n, criterion);
    case 'L':
      // The criterion against the field, the other way round from the other types.
      return Sign(static_cast<uint8_t>(criterion.empty() ? '\0' : criterion[0]) -
                  static_cast<uint8_t>(field.empty() ? '\0' : field[0]));
    case 'N':
      return CompareNumber(criterion);
    default:
      return CompareBytes(field, criterion);
  }
}

bool DbaseOperatorHolds(char op, int c) {
  switch (op) {
    case '=': return c == 0;
    case '!': return c != 0;
    case '<': return c < 0;
    case '>': return c > 0;
    default: return false;
  }
}
