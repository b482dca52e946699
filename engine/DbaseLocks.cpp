// Taking and releasing record locks, and the operator's name they are taken under.
#include "engine/DbaseLocks.h"

#include <optional>

#include "engine/DbaseLockFile.h"
#include "engine/DbaseRunningCopy.h"
#include "engine/DbaseText.h"
#include "platform/controls/dialogs.h"
#include "platform/core/files.h"
#include "platform/core/username.h"

AnsiString dbase_bediener;
uint8_t dbase_gesperrt = 0;
int dbm_sperren = 0;

namespace {

// Each attempt that is not decided saw another copy change the lock file meanwhile.
constexpr int kAttempts = 64;

// A lock of today held by another operator, or by the same operator in another running copy
// (one login on a shared machine); a copy on this host whose process has ended holds nothing.
// A lock naming no copy is the operator's own, as locks were before copies were named.
bool Binds(const DbaseLockHolder& holder, const DbaseLockHolder& mine) {
  if (holder.datum != mine.datum) return false;
  if (holder.kopie == mine.kopie) return holder.bediener != mine.bediener;
  if (!DbaseCopyMayRun(holder.kopie)) return false;
  return holder.bediener != mine.bediener || !holder.kopie.empty();
}

int Granted() {
  dbase_gesperrt = 0;
  return 0;
}

int Refused(const DbaseLockHolder& holder) {
  dbase_gesperrt = 1;
  ShowMessage("Der aufgerufene Datensatz ist gesperrt durch Bediener '" + holder.bediener +
              "' - \xC4nderung derzeit nicht m\xF6glich");
  return -1;
}

// The result when this attempt decides; nothing when another copy came in between.
std::optional<int> Attempt(const std::string& path, const DbaseLockHolder& mine) {
  switch (DbaseCreateLock(path, mine)) {
    case DbaseLockCreate::Created: return Granted();
    case DbaseLockCreate::Failed: return Granted();  // a lock that cannot be written counts as taken
    case DbaseLockCreate::Exists: break;
  }
  DbaseLockHolder holder;
  // A lock file that cannot be opened counts as absent.
  if (DbaseReadLock(path, holder) && Binds(holder, mine)) return Refused(holder);
  std::string moved;
  switch (DbaseMoveLockAside(path, moved)) {
    case DbaseLockMove::Failed: return Granted();
    case DbaseLockMove::Gone: return std::nullopt;
    case DbaseLockMove::Moved: break;
  }
  // What was moved is judged again: another copy may have locked the record in between.
  if (DbaseReadLock(moved, holder) && Binds(holder, mine)) {
    DbasePutLockBack(moved, path);
  } else {
    DeleteFile(moved);
  }
  return std::nullopt;
}

}  // namespace

AnsiString DbaseLockFileName(const AnsiString& sperrbasis, long satznummer) {
  std::size_t dbf = sperrbasis.find(".dbf");
  AnsiString stem = dbf == AnsiString::npos ? AnsiString() : sperrbasis.substr(0, dbf);
  return stem + "_" + IntToStr(satznummer) + ".dsp";
}

int dbase_sperren(const AnsiString& sperrbasis, long satznummer, const AnsiString& bediener) {
  if (dbm_sperren == 0) return 1;
  dbase_datumheute();
  const DbaseLockHolder mine{bediener, dbase_text, DbaseThisCopy()};
  const std::string path = NativePath(DbaseLockFileName(sperrbasis, satznummer));
  for (int attempt = 0; attempt < kAttempts; ++attempt)
    if (std::optional<int> result = Attempt(path, mine)) return *result;
  DbaseLockHolder holder;
  return DbaseReadLock(path, holder) && Binds(holder, mine) ? Refused(holder) : Granted();
}

int dbase_entsperren(const AnsiString& sperrbasis, long satznummer, const AnsiString&) {
  if (dbm_sperren == 0) return 1;
  if (dbase_gesperrt == 1) return 2;
  dbase_gesperrt = 0;
  return DeleteFile(DbaseLockFileName(sperrbasis, satznummer)) ? 0 : -1;
}

void dbase_bedienerholen() {
  char name[256];
  unsigned long size = sizeof name;
  dbase_bediener = GetUserNameA(name, &size) ? name : "";
}
