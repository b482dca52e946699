#include "platform/core/ini_text.h"

namespace {

bool SectionOf(const AnsiString& line, AnsiString& name) {
  AnsiString t = TrimLeft(line);
  std::size_t close = t.find(']');
  if (t.empty() || t[0] != '[' || close == std::string::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

// A key line: "name=value" that is neither a section header nor a comment.
bool KeyOf(const AnsiString& line, AnsiString& key, AnsiString* value = nullptr) {
  AnsiString t = TrimLeft(line);
  std::size_t eq = t.find('=');
  if (eq == std::string::npos || t[0] == '[' || t[0] == ';') return false;
  key = TrimRight(t.substr(0, eq));
  if (value) *value = t.substr(eq + 1);
  return true;
}

AnsiString Unquoted(const AnsiString& raw) {
  AnsiString v = Trim(raw);
  if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0])
    return v.substr(1, v.size() - 2);
  return v;
}

AnsiString OneLine(const AnsiString& text) { return text.substr(0, text.find_first_of("\r\n")); }

void AddOnce(std::vector<AnsiString>& names, const AnsiString& name) {
  for (const AnsiString& n : names)
    if (AnsiSameText(n, name)) return;
  names.push_back(name);
}

}  // namespace

IniText::IniText(const std::string& bytes) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t lf = bytes.find('\n', pos);
    std::size_t end = lf == std::string::npos ? bytes.size() : lf;
    std::size_t cut = end > pos && bytes[end - 1] == '\r' ? end - 1 : end;
    lines_.push_back(bytes.substr(pos, cut - pos));
    pos = end + 1;
  }
}

std::string IniText::Bytes() const {
  std::string out;
  for (const AnsiString& line : lines_) out += line + "\r\n";
  return out;
}

int IniText::FindSection(const AnsiString& section) const {
  AnsiString name;
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (SectionOf(lines_[i], name) && AnsiSameText(name, section)) return static_cast<int>(i);
  return -1;
}

int IniText::SectionEnd(int header) const {
  AnsiString name;
  int i = header + 1;
  while (i < static_cast<int>(lines_.size()) && !SectionOf(lines_[i], name)) ++i;
  return i;
}

int IniText::FindKey(int header, const AnsiString& key) const {
  AnsiString name;
  for (int i = header + 1, end = SectionEnd(header); i < end; ++i)
    if (KeyOf(lines_[i], name) && AnsiSameText(name, key)) return i;
  return -1;
}

bool IniText::Read(const AnsiString& section, const AnsiString& key, AnsiString& value) const {
  int header = FindSection(section);
  int line = header < 0 ? -1 : FindKey(header, key);
  AnsiString name, raw;
  if (line < 0 || !KeyOf(lines_[line], name, &raw)) return false;
  value = Unquoted(raw);
  return true;
}

std::vector<AnsiString> IniText::Sections() const {
  std::vector<AnsiString> names;
  AnsiString name;
  for (const AnsiString& line : lines_)
    if (SectionOf(line, name)) AddOnce(names, name);
  return names;
}

std::vector<AnsiString> IniText::Keys(const AnsiString& section) const {
  std::vector<AnsiString> keys;
  int header = FindSection(section);
  if (header < 0) return keys;
  AnsiString key;
  for (int i = header + 1, end = SectionEnd(header); i < end; ++i)
    if (KeyOf(lines_[i], key)) AddOnce(keys, key);
  return keys;
}

void IniText::AppendSection(const AnsiString& section) {
  if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
  lines_.push_back("[" + section + "]");
}

bool IniText::Write(const AnsiString& rawSection, const AnsiString& rawKey,
                    const AnsiString& rawValue) {
  AnsiString section = OneLine(rawSection), key = OneLine(rawKey);
  AnsiString line = key + "=" + OneLine(rawValue);
  int header = FindSection(section);
  if (header < 0) {
    AppendSection(section);
    lines_.push_back(line);
    return true;
  }
  int existing = FindKey(header, key);
  if (existing >= 0) {
    if (lines_[existing] == line) return false;
    lines_[existing] = line;
    return true;
  }
  // After the section's last line that is not blank.
  int at = SectionEnd(header);
  while (at > header + 1 && Trim(lines_[at - 1]).empty()) --at;
  lines_.insert(lines_.begin() + at, line);
  return true;
}

bool IniText::AddSection(const AnsiString& rawSection) {
  AnsiString section = OneLine(rawSection);
  if (FindSection(section) >= 0) return false;
  AppendSection(section);
  return true;
}

bool IniText::EraseSection(const AnsiString& section) {
  bool changed = false;
  for (int header; (header = FindSection(section)) >= 0; changed = true)
    lines_.erase(lines_.begin() + header, lines_.begin() + SectionEnd(header));
  return changed;
}

bool IniText::DeleteKey(const AnsiString& section, const AnsiString& key) {
  int header = FindSection(section);
  if (header < 0) return false;
  bool changed = false;
  for (int line; (line = FindKey(header, key)) >= 0; changed = true)
    lines_.erase(lines_.begin() + line);
  return changed;
}
