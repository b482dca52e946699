// Taking and releasing record locks, and the operator's name they are taken under.
#include "engine/DbaseLocks.h"

#include <unistd.h>

#include <optional>

#include "engine/DbaseFile.h"
#include "engine/DbaseLockFile.h"
#include "engine/DbaseLockGuard.h"
#include "engine/DbaseLockLitter.h"
#include "engine/DbaseLockSteps.h"
#include "engine/DbaseRunningCopy.h"
#include "engine/DbaseText.h"
#include "platform/controls/dialogs.h"
#include "platform/core/files.h"
#include "platform/core/username.h"

AnsiString dbase_bediener;
uint8_t dbase_gesperrt = 0;
int dbm_sperren = 0;
void (*DbaseLockStepHook)(DbaseLockStep) = nullptr;

namespace {

// An attempt is undecided only when the lock was given back between this copy's failed
// creation and its look at the lock; so many in a row do not happen between copies.
constexpr int kAttempts = 64;

void Step(DbaseLockStep step) {
  if (DbaseLockStepHook) DbaseLockStepHook(step);
}

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

// dbase_gesperrt as for another operator's lock, so that saves are refused and the release
// leaves whatever file has the name alone.
int Refused(const AnsiString& message) {
  dbase_gesperrt = 1;
  ShowMessage(message + " - \xC4nderung derzeit nicht m\xF6glich");
  return -1;
}

int HeldBy(const DbaseLockHolder& holder) {
  return Refused("Der aufgerufene Datensatz ist gesperrt durch Bediener '" + holder.bediener + "'");
}

// A lock that cannot be written protects nothing: the record is refused as if another held it.
int NotLockable(const std::string& path, const AnsiString& why) {
  return Refused("Der aufgerufene Datensatz kann nicht gesperrt werden: " + path + ": " + why);
}

int Unwritable(const DbaseOwnLockFile& own) {
  const AnsiString why = DbaseErrorText(own.Error());
  return NotLockable(own.Path(), why.empty() ? "nicht schreibbar" : why);
}

// The result when this attempt decides; nothing when the lock was given back meanwhile.
std::optional<int> Attempt(DbaseOwnLockFile& own, const DbaseLockHolder& mine) {
  switch (own.LinkIn()) {
    case DbaseLockCreate::Created: return Granted();
    case DbaseLockCreate::Failed: return Unwritable(own);
    case DbaseLockCreate::Exists: break;
  }
  Step(DbaseLockStep::Taken);
  // From here until the lock is replaced no other copy replaces or removes it.
  DbaseLockGuard guard(own.Path());
  DbaseLockHolder holder;
  switch (DbaseReadLock(own.Path(), holder)) {
    case DbaseLockRead::Absent: return std::nullopt;
    case DbaseLockRead::Read:
      if (Binds(holder, mine)) return HeldBy(holder);
      break;
    case DbaseLockRead::Unreadable: break;  // counts as absent
  }
  Step(DbaseLockStep::Judged);
  return own.Replace() ? Granted() : Unwritable(own);
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
  DbaseRemoveLockLitter(path);
  DbaseOwnLockFile own(path, mine);
  if (!own.Written()) return Unwritable(own);
  for (int attempt = 0; attempt < kAttempts; ++attempt)
    if (std::optional<int> result = Attempt(own, mine)) return *result;
  return NotLockable(path, "wird fortlaufend neu vergeben");
}

// Only a lock that still names this copy is removed: past midnight another copy may have
// taken the record over, and its lock is not this copy's to remove.
int dbase_entsperren(const AnsiString& sperrbasis, long satznummer, const AnsiString&) {
  if (dbm_sperren == 0) return 1;
  if (dbase_gesperrt == 1) return 2;
  dbase_gesperrt = 0;
  const std::string path = NativePath(DbaseLockFileName(sperrbasis, satznummer));
  DbaseLockGuard guard(path);
  DbaseLockHolder holder;
  switch (DbaseReadLock(path, holder)) {
    case DbaseLockRead::Absent: return -1;
    case DbaseLockRead::Unreadable: return 2;
    case DbaseLockRead::Read: break;
  }
  if (holder.kopie != DbaseThisCopy()) return 2;
  return ::unlink(path.c_str()) == 0 ? 0 : -1;
}

void dbase_bedienerholen() {
  char name[256];
  unsigned long size = sizeof name;
  dbase_bediener = GetUserNameA(name, &size) ? name : "";
}
