// Files and folders as the class library offers them: folder search by wildcard, the file
// name functions and the simple file operations. "/" and "\\" both separate folders.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/core/exception.h"
#include "platform/core/text.h"

class EFOpenError : public Exception {
 public:
  using Exception::Exception;
};

class EFCreateError : public Exception {
 public:
  using Exception::Exception;
};

enum : int { faReadOnly = 0x01, faHidden = 0x02, faSysFile = 0x04, faVolumeID = 0x08,
             faDirectory = 0x10, faArchive = 0x20, faAnyFile = 0x3F };

struct FindState;

// One entry found by FindFirst or FindNext.
struct TSearchRec {
  int Time = 0;      // last change, local time, packed as a DOS date and time
  int64_t Size = 0;
  int Attr = 0;      // fa... flags; a name starting with a dot counts as hidden
  AnsiString Name;   // the entry's name without its folder
  int ExcludeAttr = 0;
  std::shared_ptr<FindState> FindHandle;
};

// A pattern such as "*.dba" or "some/dir/*.dba"; '*' and '?' match without case, "*.*"
// matches every name. Entries come in the order the folder lists them. Plain files are
// always found; hidden files, system files and folders only when `attributes` names them.
// Returns 0 when an entry was found, an error number otherwise (the search is then closed).
int FindFirst(const AnsiString& pattern, int attributes, TSearchRec& rec);
int FindNext(TSearchRec& rec);
void FindClose(TSearchRec& rec);

// The name with every "\\" turned into "/".
AnsiString NativePath(const AnsiString& path);

bool FileExists(const AnsiString& fileName);  // false for folders
bool DeleteFile(const AnsiString& fileName);
// Fails when the new name exists already.
bool RenameFile(const AnsiString& oldName, const AnsiString& newName);

AnsiString ExtractFilePath(const AnsiString& fileName);  // with its trailing separator
AnsiString ExtractFileName(const AnsiString& fileName);
AnsiString ExtractFileExt(const AnsiString& fileName);   // with its dot; "" when none
AnsiString ChangeFileExt(const AnsiString& fileName, const AnsiString& extension);
AnsiString IncludeTrailingPathDelimiter(const AnsiString& path);
AnsiString GetCurrentDir();
// Creates the folder and the folders above it that are missing.
bool ForceDirectories(const AnsiString& folder);
