// What the program does before it opens its window: it takes the program
// directory for itself, so that no second copy works on the same drawings,
// saved copy and undo store, and then clears away the temporary files that
// writes cut short (a killed program) left behind.
#pragma once

#include <ctime>
#include <memory>

#include "platform/instance_lock.h"

// The lock on the program directory, held for the life of the program;
// nullptr when another copy of the program runs there (the user was told).
// When no lock can be taken at all the user is told so and the program
// starts without it (the lock's Status() is NoLock). Temporary files
// changed before `started` are removed only while the lock is held, so a
// running copy's files are never touched. While the lock lives, a file
// below the program directory is changed only while the directory at its
// path is the one claimed.
std::unique_ptr<plat::InstanceLock> ClaimProgramDirectory(std::timespec started);

// "<title> is already running in <directory>: ..."
extern const char* const kAlreadyRunning;
// "<title> could not lock its program directory <directory> (<reason>): ..."
extern const char* const kNoDirectoryLock;
