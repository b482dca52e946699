// The points between the steps of a lock attempt (dbase_sperren), where a test pauses a copy
// to make a race between copies happen the same way every time.
#pragma once

enum class DbaseLockStep {
  Taken,      // a new lock could not be created, the name was taken; nothing is held yet
  GuardBusy,  // another copy holds the lock folder's guard; this copy starts to wait for it
  Judged,     // the lock found was judged stale or this copy's own, the guard is held, and the
              // own lock is about to replace it
};

// Called at each step when set; nullptr (as the program runs) calls nothing.
extern void (*DbaseLockStepHook)(DbaseLockStep step);

inline void DbaseLockStepReached(DbaseLockStep step) {
  if (DbaseLockStepHook) DbaseLockStepHook(step);
}
