// Taking and releasing record locks, and the operator's name they are taken under.
#include "engine/DbaseLocks.h"

#include <unistd.h>

#include <optional>

#include "engine/DbaseFile.h"
#include "engine/DbaseLockFile.h"
#include "engine/DbaseLockGuard.h"
#include "engine/DbaseTemporaryLocks.h"
#include "engine/DbaseLockOpen.h"
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

// A lock of today held by another operator, or by the same operator in another running copy
// (one login on a shared machine); a copy on this host whose process has ended holds nothing.
// A lock naming no copy is the operator's own, as locks were before copies were named.
bool HeldByAnother(const DbaseLockHolder& holder, const DbaseLockHolder& mine) {
  if (holder.datum != mine.datum) return false;
  if (holder.kopie == mine.kopie) return holder.bediener != mine.bediener;
  if (!DbaseCopyMayRun(holder.kopie)) return false;
  return holder.bediener != mine.bediener || !holder.kopie.empty();
}

// What an attempt decided: granted, or refused with the message's first sentence. The message
// is shown only once the guard is released, so that no other copy waits for this user.
struct Decision {
  AnsiString refusal;  // empty: granted
};

Decision HeldBy(const DbaseLockHolder& holder) {
  return {"Der aufgerufene Datensatz ist gesperrt durch Bediener '" + holder.bediener + "'"};
}

// A lock that cannot be written, read or guarded protects nothing: the record is refused as
// if another held it, naming the file at fault.
Decision NotLockable(const std::string& path, const AnsiString& why) {
  return {"Der aufgerufene Datensatz kann nicht gesperrt werden: " + path + ": " + why};
}

Decision NotLockable(const std::string& path, int error) {
  return NotLockable(path, DbaseLockFolderReason(error));
}

// The decision; nothing when the lock was given back between this copy's failed creation and
// its look at the lock.
std::optional<Decision> Attempt(DbaseOwnLockFile& own, const DbaseLockHolder& mine) {
  switch (own.LinkIn()) {
    case DbaseLockCreate::Created: return Decision{};
    case DbaseLockCreate::Failed: return NotLockable(own.Path(), own.Error());
    case DbaseLockCreate::Exists: break;
  }
  DbaseLockStepReached(DbaseLockStep::Taken);
  // From here until the lock is replaced no other copy replaces or removes it.
  DbaseLockGuard guard(own.Path());
  if (!guard.Held()) return NotLockable(guard.Path(), guard.Error());
  DbaseLockHolder holder;
  int error = 0;
  switch (DbaseReadLock(own.Path(), holder, &error)) {
    case DbaseLockRead::Absent: return std::nullopt;
    // Possibly another user's lock: never taken for absent and replaced.
    case DbaseLockRead::Unreadable: return NotLockable(own.Path(), error);
    case DbaseLockRead::Read:
      if (HeldByAnother(holder, mine)) return HeldBy(holder);
      break;
  }
  DbaseLockStepReached(DbaseLockStep::Judged);
  if (!own.Replace()) return NotLockable(own.Path(), own.Error());
  return Decision{};
}

// dbase_gesperrt as for another operator's lock on a refusal, so that saves are refused and
// the release leaves whatever file has the name alone.
int Decided(const Decision& decision) {
  dbase_gesperrt = decision.refusal.empty() ? 0 : 1;
  if (decision.refusal.empty()) return 0;
  ShowMessage(decision.refusal + " - \xC4nderung derzeit nicht m\xF6glich");
  return -1;
}

// The lock stays: it binds the others until this copy ends or the day is over.
int NotReleased(const DbaseLockGuard& guard) {
  ShowMessage("Die Sperre des Datensatzes kann nicht aufgehoben werden: " + guard.Path() + ": " +
              DbaseLockFolderReason(guard.Error()));
  return 2;
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
  DbaseRemoveStaleTemporaryLocks(path);
  DbaseOwnLockFile own(path, mine);
  if (!own.Written()) return Decided(NotLockable(path, own.Error()));
  for (int attempt = 0; attempt < kAttempts; ++attempt)
    if (std::optional<Decision> decision = Attempt(own, mine)) return Decided(*decision);
  return Decided(NotLockable(path, "wird fortlaufend neu vergeben"));
}

// Only a lock that still names this copy is removed: past midnight another copy may have
// taken the record over, and its lock is not this copy's to remove.
int dbase_entsperren(const AnsiString& sperrbasis, long satznummer, const AnsiString&) {
  if (dbm_sperren == 0) return 1;
  if (dbase_gesperrt == 1) return 2;
  dbase_gesperrt = 0;
  const std::string path = NativePath(DbaseLockFileName(sperrbasis, satznummer));
  DbaseLockGuard guard(path);
  if (!guard.Held()) return NotReleased(guard);  // no guard is held while it is shown
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
