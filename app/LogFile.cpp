#include "app/LogFile.h"

#include "platform/SafeFile.h"

#include <unistd.h>

#include <ctime>

LogFile::LogFile(const std::string& name)
{
    if (name.empty())
    {
        fd = STDERR_FILENO;
        return;
    }
    fd = openOwnFile(name, error, replaced);
    ownsFile = fd >= 0;
}

LogFile::~LogFile()
{
    if (ownsFile)
        close(fd);
}

void LogFile::messageLogged(const Ogre::String& message, Ogre::LogMessageLevel, bool,
                            const Ogre::String&, bool&)
{
    if (fd < 0)
        return;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[16] = {};
    std::strftime(stamp, sizeof stamp, "%H:%M:%S: ", &local);
    // One write a line: a reader of the log never sees half of one. A full disk loses log
    // lines, never the game.
    writeWhole(fd, stamp + message + "\n");
}
