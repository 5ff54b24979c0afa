#include "platform/FileCheck.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

std::string folderInTheWay(const std::string& path)
{
    return path + " is a folder where the game needs a file";
}

std::string notAPlainFile(const std::string& path)
{
    return path + " is not a plain file (a pipe or a device?) where the game needs one";
}

std::string unreadableFileReason(const std::string& path, bool mayBeMissing, std::size_t largest)
{
    struct stat status
    {
    };
    if (stat(path.c_str(), &status) != 0)
    {
        if (errno == ENOENT && mayBeMissing)
            return "";
        return path + " cannot be read: " + std::strerror(errno);
    }
    if (S_ISDIR(status.st_mode))
        return folderInTheWay(path);
    if (!S_ISREG(status.st_mode))
        return notAPlainFile(path);
    if (access(path.c_str(), R_OK) != 0)
        return path + " cannot be read: " + std::strerror(errno);
    if (std::uintmax_t(status.st_size) > largest)
        return path + " is larger than " + std::to_string(largest) + " bytes";
    return "";
}

std::string unreadableEntryReason(const std::string& folder)
{
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return folder + " cannot be read: " + error.message();
    for (const auto& entry : entries)
    {
        if (entry.is_directory(error))
            continue;
        const std::string reason = unreadableFileReason(entry.path().string(), false);
        if (!reason.empty())
            return reason;
    }
    return "";
}
