#include "platform/NewFile.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace
{
constexpr unsigned kMostTries = 100000;

std::string lastError()
{
    return std::strerror(errno);
}

// Writes all the bytes and makes sure they reached the disk; false with errno set if not.
bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size())
    {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += std::size_t(written);
    }
    return fsync(fd) == 0;
}

// Gives the temporary file the name unless something is there already (then EEXIST).
bool takeName(const std::string& from, const std::string& to)
{
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that kind of rename: a hard link fails on a taken name too.
    if (link(from.c_str(), to.c_str()) != 0)
        return false;
    unlink(from.c_str());
    return true;
}
} // namespace

SavedFile saveAsNewNumberedFile(const std::string& prefix, const std::string& suffix,
                                unsigned first, const std::string& bytes)
{
    SavedFile result;
    result.number = first;
    result.name = prefix + std::to_string(first) + suffix;

    std::string temporary = "." + prefix + "XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
    {
        result.error = lastError();
        return result;
    }
    const bool written = writeAll(fd, bytes);
    const std::string writeError = written ? "" : lastError();
    if (close(fd) != 0 && written)
    {
        result.error = lastError();
        unlink(temporary.c_str());
        return result;
    }
    if (!written)
    {
        result.error = writeError;
        unlink(temporary.c_str());
        return result;
    }
    // mkstemp keeps the file to its owner; a saved picture is as readable as any new file.
    const mode_t mask = umask(0);
    umask(mask);
    fchmodat(AT_FDCWD, temporary.c_str(), 0666 & ~mask, 0);

    for (unsigned tries = 0; tries < kMostTries; ++tries)
    {
        const unsigned number = first + tries;
        const std::string name = prefix + std::to_string(number) + suffix;
        if (takeName(temporary, name))
        {
            result.saved = true;
            result.number = number;
            result.name = name;
            return result;
        }
        if (errno != EEXIST)
        {
            result.number = number;
            result.name = name;
            result.error = lastError();
            unlink(temporary.c_str());
            return result;
        }
    }
    result.error = "no free number left";
    unlink(temporary.c_str());
    return result;
}
