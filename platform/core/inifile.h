// Settings files: TCustomIniFile, what every sectioned store of named values offers (the
// typed calls are built on the text ones), and TIniFile, a profile file with the rules
// Windows keeps them by (see ini_text.h). Each call reads the file anew when it changed on
// disk, and each change is written at once, as a whole new file renamed over the old one.
#pragma once

#include <functional>
#include <utility>

#include "platform/core/exception.h"
#include "platform/core/file_bytes.h"
#include "platform/core/ini_text.h"
#include "platform/core/object.h"
#include "platform/core/strings.h"
#include "platform/core/text.h"

class EIniFileException : public Exception {
 public:
  using Exception::Exception;
};

// The folder that relative settings file names lie in: $XDG_CONFIG_HOME/kalvento, else
// ~/.config/kalvento.
AnsiString ConfigFolder();

class TCustomIniFile : public TObject {
 public:
  explicit TCustomIniFile(AnsiString fileName) : fileName_(std::move(fileName)) {}
  // For a TIniFile the full path of its file.
  const AnsiString& FileName() const { return fileName_; }

  virtual AnsiString ReadString(const AnsiString& section, const AnsiString& ident,
                                const AnsiString& fallback) const = 0;
  virtual void WriteString(const AnsiString& section, const AnsiString& ident,
                           const AnsiString& value) = 0;
  // Fill the list (emptied first) with the section's names, the sections, or name=value lines.
  virtual void ReadSection(const AnsiString& section, TStrings* strings) const = 0;
  virtual void ReadSections(TStrings* strings) const = 0;
  void ReadSectionValues(const AnsiString& section, TStrings* strings) const;
  virtual void EraseSection(const AnsiString& section) = 0;
  virtual void DeleteKey(const AnsiString& section, const AnsiString& ident) = 0;
  virtual void UpdateFile() = 0;

  // "0x" or "$" marks hexadecimal; text that is no number gives the fallback.
  int ReadInteger(const AnsiString& section, const AnsiString& ident, int fallback) const;
  virtual void WriteInteger(const AnsiString& section, const AnsiString& ident, int value);
  bool ReadBool(const AnsiString& section, const AnsiString& ident, bool fallback) const;
  void WriteBool(const AnsiString& section, const AnsiString& ident, bool value);  // "1", "0"
  // With DecimalSeparator, as FloatToStr writes it.
  double ReadFloat(const AnsiString& section, const AnsiString& ident, double fallback) const;
  void WriteFloat(const AnsiString& section, const AnsiString& ident, double value);

  bool SectionExists(const AnsiString& section) const;  // a section without names does not
  bool ValueExists(const AnsiString& section, const AnsiString& ident) const;

 private:
  AnsiString fileName_;
};

class TIniFile : public TCustomIniFile {
 public:
  // A relative name lies in ConfigFolder(), which is created when the file is first written.
  explicit TIniFile(const AnsiString& fileName);

  AnsiString ReadString(const AnsiString& section, const AnsiString& ident,
                        const AnsiString& fallback) const override;
  // Throws EIniFileException when the file cannot be written.
  void WriteString(const AnsiString& section, const AnsiString& ident,
                   const AnsiString& value) override;
  void ReadSection(const AnsiString& section, TStrings* strings) const override;
  void ReadSections(TStrings* strings) const override;
  void EraseSection(const AnsiString& section) override;
  void DeleteKey(const AnsiString& section, const AnsiString& ident) override;
  void UpdateFile() override {}  // every change is on disk already

 protected:
  // The file's lines as they are on disk now.
  const IniText& Current() const;
  // Applies an edit to the current lines and writes the file when the edit reports a change.
  void Change(const std::function<bool(IniText&)>& edit);

 private:
  bool createFolder_;
  mutable IniText text_;
  mutable FileStamp stamp_;
  mutable bool unreadable_ = false;  // rewriting it would lose what could not be read
};
