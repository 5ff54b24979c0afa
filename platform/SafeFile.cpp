#include "platform/SafeFile.h"

#include "platform/FileCheck.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace
{
constexpr unsigned kMostTries = 100000;
int (*syncToDisk)(int) = fsync;

std::string lastError()
{
    return std::strerror(errno);
}

std::string tooLarge(const std::string& name, std::size_t limit)
{
    return name + " is larger than " + std::to_string(limit) + " bytes";
}

// Writes all the bytes and makes sure they reached the disk; false with errno set if not.
bool writeAll(int fd, const std::string& bytes)
{
    return writeWhole(fd, bytes) && syncToDisk(fd) == 0;
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
    // Opened before it is looked at, and without waiting: what is checked is what is read,
    // and a pipe planted at the name cannot hold the game up.
    const int fd = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
    {
        error = errno == EISDIR ? folderInTheWay(name) : name + " cannot be read: " + lastError();
        return false;
    }
    struct stat status
    {
    };
    error = fstat(fd, &status) != 0               ? name + " cannot be read: " + lastError()
            : S_ISDIR(status.st_mode)             ? folderInTheWay(name)
            : !S_ISREG(status.st_mode)            ? notAPlainFile(name)
            : std::size_t(status.st_size) > limit ? tooLarge(name, limit)
                                                  : "";
    std::string contents;
    // One more byte than allowed tells a file that grew since it was looked at.
    char buffer[4096];
    while (error.empty())
    {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = name + " cannot be read: " + lastError();
        else if (got == 0)
            break;
        else if (contents.append(buffer, std::size_t(got)).size() > limit)
            error = tooLarge(name, limit);
    }
    close(fd);
    if (!error.empty())
        return false;
    text = std::move(contents);
    return true;
}

bool writeWhole(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size())
    {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += std::size_t(written);
    }
    return true;
}

int openOwnFile(const std::string& name, std::string& error, std::string& replaced)
{
    constexpr int kFlags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = open(name.c_str(), kFlags, 0644);
    struct stat status
    {
    };
    const bool symbolic = fd < 0 && errno == ELOOP;
    const bool shared =
        fd >= 0 && fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_nlink > 1;
    if (symbolic || shared)
    {
        // The link goes, whatever it points at stays as it was.
        if (fd >= 0)
            close(fd);
        replaced = name + (symbolic ? " was a symbolic link" : " was a hard link to another file") +
                   "; the game's own file replaces it";
        fd = unlink(name.c_str()) == 0 ? open(name.c_str(), kFlags | O_EXCL, 0644) : -1;
    }
    if (fd < 0)
    {
        error = errno == EISDIR  ? folderInTheWay(name)
                : errno == ENXIO ? notAPlainFile(name)
                                 : name + " cannot be written: " + lastError();
        return -1;
    }
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || ftruncate(fd, 0) != 0 ||
        fcntl(fd, F_SETFL, 0) != 0)
    {
        error = S_ISREG(status.st_mode) ? name + " cannot be written: " + lastError()
                                        : notAPlainFile(name);
        close(fd);
        return -1;
    }
    return fd;
}
