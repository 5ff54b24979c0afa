#include "platform/ReplayFolder.h"

#include "platform/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

GrowingFile::~GrowingFile()
{
    close();
}

bool GrowingFile::create(const std::string& path, std::string& error)
{
    close();
    // O_EXCL: a file (or a link planted) at that name is never written through.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 || (file = fdopen(fd, "wb")) == nullptr)
    {
        error = path + ": " + std::strerror(errno);
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    return true;
}

bool GrowingFile::append(const std::string& bytes, std::string& error)
{
    if (file == nullptr)
        return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fflush(file) != 0)
    {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

void GrowingFile::close()
{
    if (file != nullptr)
        std::fclose(file);
    file = nullptr;
}

std::string replayPathAt(const std::string& folder, std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char name[64];
    std::strftime(name, sizeof name, "%Y-%m-%d_%H-%M-%S.replay", &local);
    return folder + "/" + name;
}

bool makeFolder(const std::string& folder, std::string& error)
{
    std::error_code code;
    fs::create_directories(folder, code);
    if (code || !fs::is_directory(folder, code))
    {
        error = folder + ": " + (code ? code.message() : std::string("not a folder"));
        return false;
    }
    return true;
}

void keepNewestReplays(const std::string& folder, std::size_t keep)
{
    std::error_code code;
    std::vector<std::string> games;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, code))
    {
        const std::string name = entry.path().filename().string();
        // Recorded games are named by their date, which sorts them by age.
        if (name.size() > 7 && name[0] >= '0' && name[0] <= '9' &&
            name.compare(name.size() - 7, 7, ".replay") == 0)
            games.push_back(entry.path().string());
    }
    if (games.size() <= keep)
        return;
    std::sort(games.begin(), games.end());
    for (std::size_t i = 0; i + keep < games.size(); ++i)
        fs::remove(games[i], code);
}

bool copyFileWhole(const std::string& from, const std::string& to, std::string& error)
{
    std::string bytes;
    return readSmallFile(from, 64u << 20, bytes, error) && replaceFileWhole(to, bytes, error);
}
