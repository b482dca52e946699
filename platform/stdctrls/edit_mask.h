// The class library's edit masks, read into the positions they make: "!99/99/0000;1;_" has ten
// positions, eight for digits and two for the date separator. The first field is the mask,
// the second "0" when Text leaves the literals out, the third the blank shown in empty
// positions. Mask characters: L l letter, A a letter or digit, C c any character, 0 9 digit,
// # digit or sign (upper case required, lower case optional; # optional); > upper case,
// < lower case, <> as typed; \ takes the next character literally; : and / are the time and
// date separators; _ is a blank; ! is accepted and changes nothing here; the rest are literals.
#pragma once

#include <vector>

#include "platform/core/text.h"

class TEditMask {
 public:
  enum TCase { AsTyped, Upper, Lower };
  struct TPosition {
    char kind = 0;  // the mask character; 0 for a literal
    char literal = 0;
    TCase letterCase = AsTyped;
    bool Required() const { return kind == 'L' || kind == 'A' || kind == 'C' || kind == '0'; }
  };

  explicit TEditMask(const AnsiString& mask = "");

  bool Empty() const { return positions_.empty(); }
  int Count() const { return static_cast<int>(positions_.size()); }
  const TPosition& Position(int index) const {
    return positions_.at(static_cast<std::size_t>(index));
  }
  bool SaveLiterals() const { return saveLiterals_; }
  char Blank() const { return blank_; }

  // Whether a character may stand in input position `index` (literals take none).
  bool Accepts(int index, char c) const;
  // The first input position at or after `index`; -1 when there is none.
  int NextInput(int index) const;
  // The shown text of a Text: its characters go into the input positions in order (with
  // SaveLiterals a Text's literals match the mask's); empty positions, and those that refuse
  // their character, show the blank.
  AnsiString EditTextOf(const AnsiString& text) const;
  // The Text of a shown text: blanks become spaces; without SaveLiterals the literals go.
  AnsiString TextOf(const AnsiString& editText) const;
  // Every required position holds a character (a space counts only where any character may
  // stand); the first position that does not, or -1.
  bool Complete(const AnsiString& editText) const { return FirstGap(editText) < 0; }
  int FirstGap(const AnsiString& editText) const;
  // Every input position, optional ones too, holds something other than the blank.
  bool Filled(const AnsiString& editText) const;

 private:
  static bool AcceptsKind(char kind, char c);

  std::vector<TPosition> positions_;
  bool saveLiterals_ = true;
  char blank_ = '_';
};
