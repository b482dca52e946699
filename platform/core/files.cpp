#include "platform/core/files.h"

#include "platform/core/c_handle.h"
#include "platform/core/wildcard.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

struct FindState {
  DIR* dir = nullptr;
  AnsiString folder;  // with its trailing "/", or "" for the current folder
  AnsiString mask;
  ~FindState() {
    if (dir) ::closedir(dir);
  }
};

namespace {

enum : int { kFileNotFound = 2, kPathNotFound = 3, kNoMoreFiles = 18 };
constexpr int kSpecial = faHidden | faSysFile | faVolumeID | faDirectory;

bool IsDelimiter(char c) { return c == '/' || c == '\\'; }

std::size_t LastDelimiter(const AnsiString& name) { return name.find_last_of("/\\"); }

// Letters match without case; "*.*" matches every name, as the folder search has it.
bool MatchesMask(const AnsiString& mask, const AnsiString& name) {
  return mask == "*.*" || MatchWildcard(mask, name, true);
}

int DosDateTime(time_t seconds) {
  struct tm t {};
  localtime_r(&seconds, &t);
  int year = t.tm_year + 1900;
  if (year < 1980) return (1 << 21) | (1 << 16);  // the earliest DOS date, 1 January 1980
  if (year > 2107) year = 2107;
  return ((year - 1980) << 25) | ((t.tm_mon + 1) << 21) | (t.tm_mday << 16) | (t.tm_hour << 11) |
         (t.tm_min << 5) | (t.tm_sec / 2);
}

int AttributesOf(const AnsiString& name, const struct stat& st) {
  int attr = 0;
  if (S_ISDIR(st.st_mode)) attr |= faDirectory;
  else if (S_ISREG(st.st_mode)) attr |= faArchive;
  else attr |= faSysFile;
  if (name[0] == '.' && name != "." && name != "..") attr |= faHidden;
  if (!(st.st_mode & S_IWUSR)) attr |= faReadOnly;
  return attr;
}

// Reads entries until one matches the mask and the attributes; fills rec with it.
int NextMatch(TSearchRec& rec) {
  FindState& state = *rec.FindHandle;
  while (dirent* entry = ::readdir(state.dir)) {
    AnsiString name = entry->d_name;
    if (!MatchesMask(state.mask, name)) continue;
    struct stat st;
    AnsiString path = state.folder + name;
    if (::stat(path.c_str(), &st) != 0 && ::lstat(path.c_str(), &st) != 0) continue;
    int attr = AttributesOf(name, st);
    if (attr & rec.ExcludeAttr) continue;
    rec.Name = name;
    rec.Attr = attr;
    rec.Size = S_ISDIR(st.st_mode) ? 0 : static_cast<int64_t>(st.st_size);
    rec.Time = DosDateTime(st.st_mtime);
    return 0;
  }
  return kNoMoreFiles;
}

}  // namespace

int FindFirst(const AnsiString& pattern, int attributes, TSearchRec& rec) {
  FindClose(rec);
  auto state = std::make_shared<FindState>();
  AnsiString path = NativePath(pattern);
  state->folder = ExtractFilePath(path);
  state->mask = ExtractFileName(path);
  state->dir = ::opendir(state->folder.empty() ? "." : state->folder.c_str());
  if (!state->dir) return kPathNotFound;
  rec.ExcludeAttr = ~attributes & kSpecial;
  rec.FindHandle = std::move(state);
  if (NextMatch(rec) == 0) return 0;
  FindClose(rec);
  return kFileNotFound;
}

int FindNext(TSearchRec& rec) {
  if (!rec.FindHandle) return kNoMoreFiles;
  return NextMatch(rec);
}

void FindClose(TSearchRec& rec) { rec.FindHandle.reset(); }

AnsiString NativePath(const AnsiString& path) {
  AnsiString out = path;
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

bool FileExists(const AnsiString& fileName) {
  struct stat st;
  return ::stat(NativePath(fileName).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DeleteFile(const AnsiString& fileName) {
  return !fileName.empty() && ::unlink(NativePath(fileName).c_str()) == 0;
}

bool RenameFile(const AnsiString& oldName, const AnsiString& newName) {
  AnsiString from = NativePath(oldName), to = NativePath(newName);
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system that cannot refuse by itself: ask first.
  struct stat st;
  return ::lstat(to.c_str(), &st) != 0 && ::rename(from.c_str(), to.c_str()) == 0;
}

AnsiString ExtractFilePath(const AnsiString& fileName) {
  std::size_t p = LastDelimiter(fileName);
  return p == std::string::npos ? AnsiString() : fileName.substr(0, p + 1);
}

AnsiString ExtractFileName(const AnsiString& fileName) {
  std::size_t p = LastDelimiter(fileName);
  return p == std::string::npos ? fileName : fileName.substr(p + 1);
}

AnsiString ExtractFileExt(const AnsiString& fileName) {
  std::size_t dot = fileName.find_last_of("./\\");
  return dot == std::string::npos || fileName[dot] != '.' ? AnsiString() : fileName.substr(dot);
}

AnsiString ChangeFileExt(const AnsiString& fileName, const AnsiString& extension) {
  return fileName.substr(0, fileName.size() - ExtractFileExt(fileName).size()) + extension;
}

AnsiString IncludeTrailingPathDelimiter(const AnsiString& path) {
  return !path.empty() && IsDelimiter(path.back()) ? path : path + "/";
}

AnsiString GetCurrentDir() {
  const CHandle<char, std::free> cwd(::getcwd(nullptr, 0));
  return cwd ? AnsiString(cwd.get()) : AnsiString();
}

bool ForceDirectories(const AnsiString& folder) {
  AnsiString path = NativePath(folder);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.empty()) return false;
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  std::size_t slash = path.rfind('/');
  if (slash != std::string::npos && slash > 0 && !ForceDirectories(path.substr(0, slash)))
    return false;
  return ::mkdir(path.c_str(), 0777) == 0 || errno == EEXIST;
}
