#include "platform/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

FolderLock::FolderLock(const std::string& lockFile)
{
    constexpr int kFlags = O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    descriptor = open(lockFile.c_str(), kFlags, 0644);
    // A link planted at its name is replaced, never followed to make or lock another file.
    if (descriptor < 0 && errno == ELOOP && unlink(lockFile.c_str()) == 0)
        descriptor = open(lockFile.c_str(), kFlags | O_EXCL, 0644);
    if (descriptor < 0)
    {
        reason = lockFile + " cannot be made: " + std::strerror(errno);
        return;
    }
    if (flock(descriptor, LOCK_EX | LOCK_NB) == 0)
        return;
    takenElsewhere = errno == EWOULDBLOCK;
    if (!takenElsewhere)
        reason = lockFile + " cannot be locked: " + std::strerror(errno);
    close(descriptor);
    descriptor = -1;
}

FolderLock::~FolderLock()
{
    if (descriptor >= 0)
        close(descriptor);
}
