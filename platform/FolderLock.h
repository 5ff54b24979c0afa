#pragma once

#include <string>

// One game at a time in a folder: the lock is held for as long as the object lives, and
// the system lets go of it when the process ends in any way (killed too), so no stale lock
// can stop the next start. A folder where no lock file can be made is played unlocked.
class FolderLock
{
public:
    explicit FolderLock(const std::string& lockFile);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False when another process holds the lock.
    bool held() const { return !takenElsewhere; }
    // Why the folder is played unlocked, or nothing.
    const std::string& unlockedReason() const { return reason; }

private:
    int descriptor = -1;
    bool takenElsewhere = false;
    std::string reason;
};
