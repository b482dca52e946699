#include "platform/core/registry.h"

#include <algorithm>
#include <vector>

// The one INI file that holds every key; a key exists when its section or a section of a
// key below it does.
class RegistryFile : public TIniFile {
 public:
  RegistryFile() : TIniFile("registry.ini") {}

  bool HasKey(const AnsiString& section) const {
    for (const AnsiString& s : Current().Sections())
      if (IsWithin(s, section)) return true;
    return false;
  }

  void CreateKey(const AnsiString& section) {
    Change([&](IniText& text) { return text.AddSection(section); });
  }

  bool EraseTree(const AnsiString& section) {
    bool erased = false;
    Change([&](IniText& text) {
      for (const AnsiString& s : text.Sections())
        if (IsWithin(s, section)) erased = text.EraseSection(s) || erased;
      return erased;
    });
    return erased;
  }

  std::vector<AnsiString> Children(const AnsiString& section) const {
    std::vector<AnsiString> names;
    for (const AnsiString& s : Current().Sections()) {
      if (!IsWithin(s, section) || s.size() == section.size()) continue;
      AnsiString rest = s.substr(section.size() + 1);
      AnsiString child = rest.substr(0, rest.find('\\'));
      bool known = false;
      for (const AnsiString& n : names) known = known || AnsiSameText(n, child);
      if (!known) names.push_back(child);
    }
    return names;
  }

  // The section itself or one of a key below it.
  static bool IsWithin(const AnsiString& candidate, const AnsiString& section) {
    if (candidate.size() == section.size()) return AnsiSameText(candidate, section);
    return candidate.size() > section.size() && candidate[section.size()] == '\\' &&
           AnsiSameText(candidate.substr(0, section.size()), section);
  }
};

namespace {

AnsiString RootName(HKEY root) {
  if (root == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
  if (root == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
  return "HKEY_" + IntToHex(root, 8);
}

AnsiString Quoted(const AnsiString& value) {
  AnsiString out(1, '"');
  out += value;
  return out += '"';
}

}  // namespace

// --- TRegistry ------------------------------------------------------------------------------

TRegistry::TRegistry() : file_(std::make_unique<RegistryFile>()) {}

TRegistry::~TRegistry() = default;

void TRegistry::SetRootKey(HKEY root) {
  CloseKey();
  root_ = root;
}

AnsiString TRegistry::Resolve(const AnsiString& key) const {
  bool fromRoot = !open_ || (!key.empty() && key[0] == '\\');
  AnsiString path = fromRoot ? AnsiString() : current_;
  std::size_t pos = 0;
  while (pos <= key.size()) {
    std::size_t end = std::min(key.find('\\', pos), key.size());
    if (end > pos) {
      if (!path.empty()) path += '\\';
      path.append(key, pos, end - pos);
    }
    pos = end + 1;
  }
  return path;
}

AnsiString TRegistry::SectionOf(const AnsiString& path) const {
  return path.empty() ? RootName(root_) : RootName(root_) + "\\" + path;
}

AnsiString TRegistry::OpenSection(const AnsiString& name) const {
  if (!open_) throw ERegistryException("Failed to set data for '" + name + "'");
  return SectionOf(current_);
}

bool TRegistry::OpenKey(const AnsiString& key, bool canCreate) {
  AnsiString path = Resolve(key);
  if (!path.empty() && !file_->HasKey(SectionOf(path))) {
    if (!canCreate) return false;
    try {
      file_->CreateKey(SectionOf(path));
    } catch (const EIniFileException&) {
      return false;
    }
  }
  current_ = path;
  open_ = true;
  return true;
}

void TRegistry::CloseKey() {
  current_.clear();
  open_ = false;
}

bool TRegistry::KeyExists(const AnsiString& key) const {
  AnsiString path = Resolve(key);
  return path.empty() || file_->HasKey(SectionOf(path));
}

bool TRegistry::DeleteKey(const AnsiString& key) {
  AnsiString path = Resolve(key);
  if (path.empty()) return false;
  if (open_ && RegistryFile::IsWithin(SectionOf(current_), SectionOf(path))) CloseKey();
  return file_->EraseTree(SectionOf(path));
}

bool TRegistry::ValueExists(const AnsiString& name) const {
  return open_ && file_->ValueExists(SectionOf(current_), name);
}

bool TRegistry::DeleteValue(const AnsiString& name) {
  if (!ValueExists(name)) return false;
  file_->DeleteKey(SectionOf(current_), name);
  return true;
}

void TRegistry::GetValueNames(TStrings* strings) const {
  if (!strings) return;
  strings->Clear();
  if (open_) file_->ReadSection(SectionOf(current_), strings);
}

void TRegistry::GetKeyNames(TStrings* strings) const {
  if (!strings) return;
  strings->Clear();
  if (!open_) return;
  for (const AnsiString& name : file_->Children(SectionOf(current_))) strings->Add(name);
}

AnsiString TRegistry::ReadString(const AnsiString& name) const {
  return open_ ? file_->ReadString(SectionOf(current_), name, "") : AnsiString();
}

void TRegistry::WriteString(const AnsiString& name, const AnsiString& value) {
  file_->WriteString(OpenSection(name), name, Quoted(value));
}

int TRegistry::ReadInteger(const AnsiString& name) const {
  if (!ValueExists(name)) throw ERegistryException("Failed to get data for '" + name + "'");
  int value = 0;
  if (!TryStrToInt(ReadString(name), value))
    throw ERegistryException("Invalid data type for '" + name + "'");
  return value;
}

void TRegistry::WriteInteger(const AnsiString& name, int value) {
  file_->WriteString(OpenSection(name), name, IntToStr(value));
}

bool TRegistry::ReadBool(const AnsiString& name) const { return ReadInteger(name) != 0; }

void TRegistry::WriteBool(const AnsiString& name, bool value) { WriteInteger(name, value ? 1 : 0); }

// --- TRegistryIniFile -----------------------------------------------------------------------

TRegistryIniFile::TRegistryIniFile(const AnsiString& key) : TCustomIniFile(key) {}

bool TRegistryIniFile::Open(const AnsiString& section, bool create) const {
  registry_.CloseKey();
  return registry_.OpenKey("\\" + FileName() + "\\" + section, create);
}

AnsiString TRegistryIniFile::ReadString(const AnsiString& section, const AnsiString& ident,
                                        const AnsiString& fallback) const {
  return Open(section, false) && registry_.ValueExists(ident) ? registry_.ReadString(ident)
                                                               : fallback;
}

void TRegistryIniFile::WriteString(const AnsiString& section, const AnsiString& ident,
                                   const AnsiString& value) {
  Open(section, true);
  registry_.WriteString(ident, value);
}

void TRegistryIniFile::WriteInteger(const AnsiString& section, const AnsiString& ident,
                                    int value) {
  Open(section, true);
  registry_.WriteInteger(ident, value);
}

void TRegistryIniFile::ReadSection(const AnsiString& section, TStrings* strings) const {
  if (Open(section, false)) registry_.GetValueNames(strings);
  else if (strings) strings->Clear();
}

void TRegistryIniFile::ReadSections(TStrings* strings) const {
  if (Open("", false)) registry_.GetKeyNames(strings);
  else if (strings) strings->Clear();
}

void TRegistryIniFile::EraseSection(const AnsiString& section) {
  // An empty name would name the base key itself and erase every section at once.
  if (!section.empty()) registry_.DeleteKey("\\" + FileName() + "\\" + section);
}

void TRegistryIniFile::DeleteKey(const AnsiString& section, const AnsiString& ident) {
  if (Open(section, false)) registry_.DeleteValue(ident);
}
