// Temporary lock files ("*.neu") that a running copy left behind when it was killed while
// it wrote a lock: removed by the next copy that uses the lock folder.
#pragma once

#include <string>

// The ending of a lock file written under a name of its own, before it takes the lock's name.
inline constexpr const char* kDbaseLockNewEnding = ".neu";

// Removes the temporary lock files in the folder of the lock file named whose copy ran on
// this host and has ended. Files of copies on other hosts, which cannot be checked, stay.
void DbaseRemoveStaleTemporaryLocks(const std::string& lockPath);
