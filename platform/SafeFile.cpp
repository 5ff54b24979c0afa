#include "platform/SafeFile.h"

#include "platform/FileCheck.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace
{
constexpr unsigned kMostTries = 100000;
int (*syncToDisk)(int) = fsync;

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
    return syncToDisk(fd) == 0;
}

// Writes the bytes to a new hidden file in the working folder, readable as any new file is;
// on failure nothing is left and `error` says why.
bool writeTemporaryFile(const std::string& prefix, const std::string& bytes, std::string& temporary,
                        std::string& error)
{
    // Hidden beside the file it becomes: the dot goes before the name, not its folder.
    const std::size_t slash = prefix.rfind('/') + 1;
    temporary = prefix.substr(0, slash) + "." + prefix.substr(slash) + "XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
    {
        error = lastError();
        return false;
    }
    const bool written = writeAll(fd, bytes);
    const std::string writeError = written ? "" : lastError();
    const bool closed = close(fd) == 0;
    if (!written || !closed)
    {
        error = written ? lastError() : writeError;
        unlink(temporary.c_str());
        return false;
    }
    // mkstemp keeps the file to its owner; a saved file is as readable as any new file.
    // Should that fail, the file stays its owner's alone, which still serves.
    const mode_t mask = umask(0);
    umask(mask);
    if (fchmodat(AT_FDCWD, temporary.c_str(), 0666 & ~mask, 0) != 0)
        errno = 0;
    return true;
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

void syncFilesWith(int (*sync)(int))
{
    syncToDisk = sync != nullptr ? sync : fsync;
}

SavedFile saveAsNewNumberedFile(const std::string& prefix, const std::string& suffix,
                                unsigned first, const std::string& bytes)
{
    SavedFile result;
    result.number = first;
    result.name = prefix + std::to_string(first) + suffix;

    std::string temporary;
    if (!writeTemporaryFile(prefix, bytes, temporary, result.error))
        return result;

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

bool replaceFileWhole(const std::string& name, const std::string& bytes, std::string& error)
{
    std::string temporary;
    if (!writeTemporaryFile(name + ".", bytes, temporary, error))
        return false;
    if (rename(temporary.c_str(), name.c_str()) != 0)
    {
        error = lastError();
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool readSmallFile(const std::string& name, std::size_t limit, std::string& text,
                   std::string& error)
{
    error = unreadableFileReason(name, false);
    if (!error.empty())
        return false;
    std::ifstream file(name, std::ios::binary);
    std::string contents;
    char buffer[256];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0)
    {
        contents.append(buffer, std::size_t(file.gcount()));
        if (contents.size() > limit)
        {
            error = name + " is larger than " + std::to_string(limit) + " bytes";
            return false;
        }
    }
    if (file.bad())
    {
        error = name + " cannot be read";
        return false;
    }
    text = contents;
    return true;
}
