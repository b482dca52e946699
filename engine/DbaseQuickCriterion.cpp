// The quick criteria. A text field's shown text is its bytes up to a NUL, without trailing
// blanks, through the code page, cut to 19 characters; "text*" matches it when it is not
// empty and begins with "text" (both lowered when the case is ignored). When the match
// fails, the byte comparison that follows cannot give 0 either: a shown text equal to
// "text*" would have matched. So "=" holds exactly on a match and "!" exactly without one.
#include "engine/DbaseQuickCriterion.h"

#include "engine/DbaseText.h"

namespace {

// A "text*" value with no other wildcard.
bool IsPrefixPattern(std::string_view criterion) {
  return !criterion.empty() && criterion.back() == '*' &&
         criterion.substr(0, criterion.size() - 1).find_first_of("*?") == std::string_view::npos;
}

char Folded(char c, int grossklein) { return grossklein != 0 ? c : AnsiLowerChar(c); }

}  // namespace

std::optional<DbaseQuickCriterion> DbaseQuickCriterion::Of(const DbaseTable& t, int n, char op,
                                                           std::string_view criterion,
                                                           uint8_t zeichensatz, int grossklein) {
  if (!DbaseFieldHeld(t, n)) return std::nullopt;
  DbaseCriterionCut cut;
  criterion = DbaseComparedCriterion(criterion, cut);
  if (t.feldtyp[n] == 'L') {
    DbaseQuickCriterion quick(Form::Logical, t, n, op, zeichensatz, grossklein);
    quick.prefix_.assign(1, criterion.empty() ? '\0' : criterion[0]);
    return quick;
  }
  if (t.feldtyp[n] != 'C' || (op != '=' && op != '!') || !IsPrefixPattern(criterion))
    return std::nullopt;
  DbaseQuickCriterion quick(Form::Prefix, t, n, op, zeichensatz, grossklein);
  for (char c : criterion.substr(0, criterion.size() - 1))
    quick.prefix_.push_back(Folded(c, grossklein));
  return quick;
}

DbaseQuickCriterion::DbaseQuickCriterion(Form form, const DbaseTable& t, int n, char op,
                                         uint8_t zeichensatz, int grossklein)
    : form_(form),
      offset_(t.feldoffset[n]),
      length_(t.feldlength[n]),
      op_(op),
      zeichensatz_(zeichensatz),
      grossklein_(grossklein) {
  for (int b = 0; b < 256; ++b)
    fold_[b] = Folded(DbaseShownChar(static_cast<char>(b), zeichensatz), grossklein);
}

bool DbaseQuickCriterion::HoldsFor(const char* record) const {
  const char* field = record ? record + offset_ : nullptr;
  if (form_ == Form::Logical) return LogicalHolds(field);
  return PrefixMatches(field) == (op_ == '=');
}

bool DbaseQuickCriterion::PrefixMatches(const char* field) const {
  if (field == nullptr || prefix_.size() > length_) return false;
  // No stored NUL folds to a pattern character, so a text cut short fails here.
  for (std::size_t i = 0; i < prefix_.size(); ++i)
    if (fold_[static_cast<uint8_t>(field[i])] != prefix_[i]) return false;
  // The shown text reaches past the prefix's last character (or, for "*", is not empty).
  return HasTextFrom(field, prefix_.empty() ? 0 : prefix_.size() - 1);
}

// Whether a character other than a blank is at k or after it, before the text's end.
bool DbaseQuickCriterion::HasTextFrom(const char* field, std::size_t k) const {
  for (; k < length_ && field[k] != '\0'; ++k)
    if (field[k] != ' ') return true;
  return false;
}

// The shown text is "ja" for a stored Y, y, T or t, else "nein"; the criterion's first
// character compares against its first.
bool DbaseQuickCriterion::LogicalHolds(const char* field) const {
  char shown = '\0';
  if (field != nullptr) shown = DbaseLogicalYes(length_ > 0 ? field[0] : '\0') ? 'j' : 'n';
  const int c = static_cast<uint8_t>(prefix_[0]) - static_cast<uint8_t>(shown);
  return DbaseOperatorHolds(op_, (c > 0) - (c < 0));
}
