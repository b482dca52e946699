// A query criterion decided on the record's stored bytes, for the forms a run meets most:
// a text field against "=" or "!" and a value "text*" with no other wildcard (does the shown
// text begin with it), and a logical field against any operator. Both answer as the
// comparison of the field's shown text would, without making that text; other forms are not
// quick, and the caller compares as usual.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/DbaseTable.h"

class DbaseQuickCriterion {
 public:
  // `zeichensatz` and `grossklein` as DbaseFieldCompare takes them.
  static std::optional<DbaseQuickCriterion> Of(const DbaseTable& t, int n, char op,
                                                std::string_view criterion,
                                                uint8_t zeichensatz, int grossklein);
  // Whether the criterion was made for these settings (the case flag may change between
  // records).
  bool Fits(uint8_t zeichensatz, int grossklein) const {
    return zeichensatz == zeichensatz_ && grossklein == grossklein_;
  }
  // Whether the criterion holds for t.record.
  bool Holds(const DbaseTable& t) const {
    return HoldsFor(DbaseShowsEmpty(t) ? nullptr : t.record.data());
  }
  // The same for a record's plain bytes; null for one that shows every field empty.
  bool HoldsFor(const char* record) const;

 private:
  enum class Form { Prefix, Logical };
  DbaseQuickCriterion(Form form, const DbaseTable& t, int n, char op, uint8_t zeichensatz,
                      int grossklein);
  bool PrefixMatches(const char* field) const;
  bool HasTextFrom(const char* field, std::size_t k) const;
  bool LogicalHolds(const char* field) const;

  Form form_;
  std::size_t offset_;
  std::size_t length_;
  char op_;
  uint8_t zeichensatz_;
  int grossklein_;
  std::string prefix_;  // folded; for Logical its first character only
  std::array<char, 256> fold_{};  // stored byte -> shown byte, lowered when case is ignored
};
