#include "platform/ReplayFolder.h"

#include "platform/SafeFile.h"

#include <algorithm>
#include <cctype>
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
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
    {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    size = 0;
    return true;
}

bool GrowingFile::append(const std::string& bytes, std::string& error)
{
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < bytes.size())
    {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
        {
            error = wrote < 0 ? std::strerror(errno) : "nothing could be written";
            // A half-written piece would only be refused: the file ends where it was whole.
            if (::ftruncate(fd, off_t(size)) != 0)
                error += " (and the half-written end stays)";
            close();
            return false;
        }
        done += std::size_t(wrote);
    }
    size += static_cast<long long>(bytes.size());
    return true;
}

void GrowingFile::close()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
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

bool isDatedReplayName(const std::string& name)
{
    const std::string shape = "dddd-dd-dd_dd-dd-dd";
    std::size_t at = shape.size();
    if (name.size() < at)
        return false;
    for (std::size_t i = 0; i < at; ++i)
        if (shape[i] == 'd' ? !std::isdigit(static_cast<unsigned char>(name[i]))
                            : name[i] != shape[i])
            return false;
    if (name.size() > at + 1 && name[at] == '_' && name[at + 1] >= '2' && name[at + 1] <= '9')
        at += 2;
    return name.compare(at, std::string::npos, ".replay") == 0;
}

bool noteRecording(const std::string& folder, const std::string& name, std::string& error)
{
    const std::string list = folder + "/" + kRecordedList;
    const int fd = ::open(list.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    const std::string line = name + "\n";
    const bool written = fd >= 0 && ::write(fd, line.data(), line.size()) == ssize_t(line.size());
    if (!written)
        error = list + ": " + std::strerror(errno);
    if (fd >= 0)
        ::close(fd);
    return written;
}

std::vector<std::string> recordedReplays(const std::string& folder)
{
    std::string text, error;
    std::vector<std::string> games;
    if (!readSmallFile(folder + "/" + kRecordedList, 1u << 20, text, error))
        return games;
    std::size_t from = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos;
         from = end + 1, end = text.find('\n', from))
    {
        const std::string name = text.substr(from, end - from);
        std::error_code code;
        if (isDatedReplayName(name) && fs::is_regular_file(folder + "/" + name, code) &&
            std::find(games.begin(), games.end(), name) == games.end())
            games.push_back(name);
    }
    return games;
}

std::string newestRecordedReplay(const std::string& folder)
{
    const std::vector<std::string> games = recordedReplays(folder);
    return games.empty() ? "" : games.back();
}

void keepNewestReplays(const std::string& folder, std::size_t keep, const std::string& current)
{
    std::string text, error;
    if (!readSmallFile(folder + "/" + kRecordedList, 1u << 20, text, error))
        return;
    const std::vector<std::string> games = recordedReplays(folder);
    std::vector<std::string> kept;
    std::size_t over = games.size() > keep ? games.size() - keep : 0;
    for (const std::string& name : games)
    {
        std::error_code code;
        if (over > 0 && name != current && fs::remove(folder + "/" + name, code))
            --over;
        else
            kept.push_back(name);
    }
    std::string list;
    for (const std::string& name : kept)
        list += name + "\n";
    if (list != text)
        replaceFileWhole(folder + "/" + kRecordedList, list, error);
}

bool copyFileWhole(const std::string& from, const std::string& to, std::string& error)
{
    std::string bytes;
    return readSmallFile(from, 64u << 20, bytes, error) && replaceFileWhole(to, bytes, error);
}
