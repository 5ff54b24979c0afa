#include "platform/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

FolderLock::FolderLock(const std::string& lockFile)
{
    descriptor = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
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
