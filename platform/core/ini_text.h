// The lines of a profile (INI) file and the rules Windows reads and edits them by: section and
// key names compared without case, values trimmed and freed of one pair of enclosing quotes,
// lines ended by LF or CR LF when read and by CR LF when written, every line the edit does not
// touch kept as it was. Where a name repeats, the first one counts.
#pragma once

#include <string>
#include <vector>

#include "platform/core/text.h"

class IniText {
 public:
  IniText() = default;
  explicit IniText(const std::string& bytes);
  std::string Bytes() const;

  bool Read(const AnsiString& section, const AnsiString& key, AnsiString& value) const;
  std::vector<AnsiString> Sections() const;  // each name once, in file order
  std::vector<AnsiString> Keys(const AnsiString& section) const;

  // Line breaks in a name or value would break the file apart: text from the first one on is
  // dropped. The editing calls return whether anything changed.
  bool Write(const AnsiString& section, const AnsiString& key, const AnsiString& value);
  bool AddSection(const AnsiString& section);
  bool EraseSection(const AnsiString& section);  // every section of that name
  bool DeleteKey(const AnsiString& section, const AnsiString& key);

 private:
  std::vector<AnsiString> lines_;

  int FindSection(const AnsiString& section) const;  // header line, -1 when absent
  int SectionEnd(int header) const;                  // the next header line, or the end
  int FindKey(int header, const AnsiString& key) const;
  void AppendSection(const AnsiString& section);
};
