#include "platform/core/inifile.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/core/files.h"
#include "platform/core/save_failure.h"

namespace {

AnsiString HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  const passwd* user = ::getpwuid(::geteuid());
  return user && user->pw_dir ? user->pw_dir : "";
}

bool IsAbsolute(const AnsiString& fileName) {
  return !fileName.empty() && (fileName[0] == '/' || fileName[0] == '\\');
}

AnsiString FullPath(const AnsiString& fileName) {
  return NativePath(IsAbsolute(fileName) ? fileName : ConfigFolder() + "/" + fileName);
}

void Fill(TStrings* strings, const std::vector<AnsiString>& names) {
  if (!strings) return;
  strings->Clear();
  for (const AnsiString& name : names) strings->Add(name);
}

}  // namespace

AnsiString ConfigFolder() {
  // The XDG rules ignore a relative setting.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  AnsiString base = config && config[0] == '/' ? AnsiString(config) : HomeFolder() + "/.config";
  return base + "/kalvento";
}

// --- TCustomIniFile -------------------------------------------------------------------------

void TCustomIniFile::ReadSectionValues(const AnsiString& section, TStrings* strings) const {
  if (!strings) return;
  TStringList names;
  ReadSection(section, &names);
  strings->Clear();
  for (int i = 0; i < names.Count(); ++i)
    strings->Add(names.Strings(i) + "=" + ReadString(section, names.Strings(i), ""));
}

int TCustomIniFile::ReadInteger(const AnsiString& section, const AnsiString& ident,
                                int fallback) const {
  return StrToIntDef(ReadString(section, ident, ""), fallback);
}

void TCustomIniFile::WriteInteger(const AnsiString& section, const AnsiString& ident, int value) {
  WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const AnsiString& section, const AnsiString& ident,
                              bool fallback) const {
  return ReadInteger(section, ident, fallback ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const AnsiString& section, const AnsiString& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const AnsiString& section, const AnsiString& ident,
                                 double fallback) const {
  return StrToFloatDef(ReadString(section, ident, ""), fallback);
}

void TCustomIniFile::WriteFloat(const AnsiString& section, const AnsiString& ident, double value) {
  WriteString(section, ident, FloatToStr(value));
}

bool TCustomIniFile::SectionExists(const AnsiString& section) const {
  TStringList names;
  ReadSection(section, &names);
  return names.Count() > 0;
}

bool TCustomIniFile::ValueExists(const AnsiString& section, const AnsiString& ident) const {
  TStringList names;
  ReadSection(section, &names);
  return names.IndexOf(ident) >= 0;
}

// --- TIniFile -------------------------------------------------------------------------------

TIniFile::TIniFile(const AnsiString& fileName)
    : TCustomIniFile(FullPath(fileName)), createFolder_(!IsAbsolute(fileName)) {}

const IniText& TIniFile::Current() const {
  FileStamp now = StampOf(FileName());
  if (now == stamp_) return text_;
  std::string bytes;
  unreadable_ = now.exists && !ReadFileBytes(FileName(), bytes);
  text_ = now.exists && !unreadable_ ? IniText(bytes) : IniText();
  stamp_ = now;
  return text_;
}

void TIniFile::Change(const std::function<bool(IniText&)>& edit) {
  IniText text = Current();
  if (!edit(text)) return;
  if (createFolder_) ForceDirectories(ExtractFilePath(FileName()));
  if (unreadable_ || !WriteFileBytes(FileName(), text.Bytes()))
    throw EIniFileException(SaveFailureText(FileName(), unreadable_ ? 0 : errno,
                                            "Unable to write to " + FileName()));
  text_ = std::move(text);
  stamp_ = StampOf(FileName());
}

AnsiString TIniFile::ReadString(const AnsiString& section, const AnsiString& ident,
                                const AnsiString& fallback) const {
  AnsiString value;
  return Current().Read(section, ident, value) ? value : fallback;
}

void TIniFile::WriteString(const AnsiString& section, const AnsiString& ident,
                           const AnsiString& value) {
  Change([&](IniText& text) { return text.Write(section, ident, value); });
}

void TIniFile::ReadSection(const AnsiString& section, TStrings* strings) const {
  Fill(strings, Current().Keys(section));
}

void TIniFile::ReadSections(TStrings* strings) const { Fill(strings, Current().Sections()); }

void TIniFile::EraseSection(const AnsiString& section) {
  Change([&](IniText& text) { return text.EraseSection(section); });
}

void TIniFile::DeleteKey(const AnsiString& section, const AnsiString& ident) {
  Change([&](IniText& text) { return text.DeleteKey(section, ident); });
}
