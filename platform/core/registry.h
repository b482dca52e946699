// A stand-in for the Windows registry, kept in the INI file "registry.ini" of the
// configuration folder: a key's full path ("HKEY_CURRENT_USER\Software\Kalvento") names its
// section and its values are the section's entries. Key paths are separated by "\\" and
// compared without case. Strings are stored in quotes, so they come back exactly (up to
// their first line break); integers are stored as decimal numbers.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/core/exception.h"
#include "platform/core/inifile.h"
#include "platform/core/object.h"
#include "platform/core/strings.h"
#include "platform/core/text.h"

using HKEY = uint32_t;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

class RegistryFile;

class TRegistry : public TObject {
 public:
  TRegistry();
  ~TRegistry() override;
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY GetRootKey() const { return root_; }
  void SetRootKey(HKEY root);  // closes the open key
  AnsiString GetCurrentPath() const { return open_ ? current_ : AnsiString(); }

  // A key starting with "\\" is taken from the root, any other from the open key. False when
  // the key is missing and may not or cannot be created.
  bool OpenKey(const AnsiString& key, bool canCreate);
  void CloseKey();
  bool KeyExists(const AnsiString& key) const;
  bool DeleteKey(const AnsiString& key);  // with the keys below it

  // The values of the open key. Without one, reads find nothing and writes throw.
  bool ValueExists(const AnsiString& name) const;
  bool DeleteValue(const AnsiString& name);
  void GetValueNames(TStrings* strings) const;
  void GetKeyNames(TStrings* strings) const;  // the keys right below the open one
  AnsiString ReadString(const AnsiString& name) const;  // "" when missing
  void WriteString(const AnsiString& name, const AnsiString& value);
  int ReadInteger(const AnsiString& name) const;  // throws when missing or not a number
  void WriteInteger(const AnsiString& name, int value);
  bool ReadBool(const AnsiString& name) const;
  void WriteBool(const AnsiString& name, bool value);

 private:
  std::unique_ptr<RegistryFile> file_;
  HKEY root_ = HKEY_CURRENT_USER;
  AnsiString current_;  // the open key's path below the root
  bool open_ = false;

  AnsiString Resolve(const AnsiString& key) const;
  AnsiString SectionOf(const AnsiString& path) const;
  AnsiString OpenSection(const AnsiString& name) const;  // throws without an open key
};

// An INI-style view of a registry key of the current user: sections are the keys below it,
// idents their values.
class TRegistryIniFile : public TCustomIniFile {
 public:
  explicit TRegistryIniFile(const AnsiString& key);

  AnsiString ReadString(const AnsiString& section, const AnsiString& ident,
                        const AnsiString& fallback) const override;
  void WriteString(const AnsiString& section, const AnsiString& ident,
                   const AnsiString& value) override;
  void WriteInteger(const AnsiString& section, const AnsiString& ident, int value) override;
  void ReadSection(const AnsiString& section, TStrings* strings) const override;
  void ReadSections(TStrings* strings) const override;
  void EraseSection(const AnsiString& section) override;
  void DeleteKey(const AnsiString& section, const AnsiString& ident) override;
  void UpdateFile() override {}

 private:
  mutable TRegistry registry_;
  // Opens the section's key below the base key; false when it does not exist.
  bool Open(const AnsiString& section, bool create) const;
};

// The registry's INI view by its other name.
using TRegIniFile = TRegistryIniFile;
