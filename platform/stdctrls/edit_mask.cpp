#include "platform/stdctrls/edit_mask.h"

#include <string_view>

namespace {

constexpr std::string_view kInputKinds = "LlAaCc09#";

bool IsLetter(char c) { return AnsiUpperChar(c) != AnsiLowerChar(c); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The mask's fields: mask, literals switch and blank, split at the last two unescaped ";".
void SplitFields(const AnsiString& text, AnsiString& mask, bool& saveLiterals, char& blank) {
  std::vector<std::size_t> semicolons;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\')
      ++i;
    else if (text[i] == ';')
      semicolons.push_back(i);
  }
  mask = text;
  if (semicolons.size() >= 2) {
    const std::size_t first = semicolons[semicolons.size() - 2], second = semicolons.back();
    mask = text.substr(0, first);
    const AnsiString save = text.substr(first + 1, second - first - 1);
    saveLiterals = save.empty() || save[0] != '0';
    if (second + 1 < text.size()) blank = text[second + 1];
  } else if (semicolons.size() == 1) {
    mask = text.substr(0, semicolons[0]);
    const AnsiString save = text.substr(semicolons[0] + 1);
    saveLiterals = save.empty() || save[0] != '0';
  }
}

}  // namespace

TEditMask::TEditMask(const AnsiString& text) {
  AnsiString mask;
  SplitFields(text, mask, saveLiterals_, blank_);
  TCase letterCase = AsTyped;
  for (std::size_t i = 0; i < mask.size(); ++i) {
    const char c = mask[i];
    TPosition position;
    position.letterCase = letterCase;
    if (c == '!') continue;
    if (c == '<' && i + 1 < mask.size() && mask[i + 1] == '>') {
      letterCase = AsTyped;
      ++i;
      continue;
    }
    if (c == '>' || c == '<') {
      letterCase = c == '>' ? Upper : Lower;
      continue;
    }
    if (c == '\\' && i + 1 < mask.size())
      position.literal = mask[++i];
    else if (kInputKinds.find(c) != std::string_view::npos)
      position.kind = c;
    else if (c == ':')
      position.literal = TimeSeparator;
    else if (c == '/')
      position.literal = DateSeparator;
    else if (c == '_')
      position.literal = ' ';
    else
      position.literal = c;
    positions_.push_back(position);
  }
}

bool TEditMask::Accepts(int index, char c) const {
  return index >= 0 && index < Count() && AcceptsKind(Position(index).kind, c);
}

bool TEditMask::AcceptsKind(char kind, char c) {
  switch (kind) {
    case 'L':
    case 'l':
      return IsLetter(c);
    case 'A':
    case 'a':
      return IsLetter(c) || IsDigit(c);
    case 'C':
    case 'c':
      return static_cast<unsigned char>(c) >= 32;
    case '0':
    case '9':
      return IsDigit(c);
    case '#':
      return IsDigit(c) || c == '+' || c == '-';
    default:
      return false;
  }
}

int TEditMask::NextInput(int index) const {
  for (int i = std::max(index, 0); i < Count(); ++i)
    if (Position(i).kind) return i;
  return -1;
}

AnsiString TEditMask::EditTextOf(const AnsiString& text) const {
  AnsiString shown;
  std::size_t next = 0;
  for (const TPosition& p : positions_) {
    if (!p.kind) {
      shown += p.literal;
      if (saveLiterals_ && next < text.size() && text[next] == p.literal) ++next;
      continue;
    }
    char c = next < text.size() ? text[next++] : ' ';
    // A character its position refuses leaves the position empty.
    if (c == ' ' || !AcceptsKind(p.kind, c))
      c = blank_;
    else if (p.letterCase == Upper)
      c = AnsiUpperChar(c);
    else if (p.letterCase == Lower)
      c = AnsiLowerChar(c);
    shown += c;
  }
  return shown;
}

AnsiString TEditMask::TextOf(const AnsiString& editText) const {
  AnsiString text;
  for (int i = 0; i < Count() && static_cast<std::size_t>(i) < editText.size(); ++i) {
    if (!Position(i).kind && !saveLiterals_) continue;
    const char c = editText[static_cast<std::size_t>(i)];
    text += Position(i).kind && c == blank_ ? ' ' : c;
  }
  return text;
}

int TEditMask::FirstGap(const AnsiString& editText) const {
  for (int i = 0; i < Count(); ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    if (!Position(i).Required()) continue;
    const char c = at < editText.size() ? editText[at] : blank_;
    if (c == blank_ || (c == ' ' && Position(i).kind != 'C')) return i;
  }
  return -1;
}

bool TEditMask::Filled(const AnsiString& editText) const {
  for (int i = 0; i < Count(); ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    if (Position(i).kind && (at >= editText.size() || editText[at] == blank_)) return false;
  }
  return true;
}
