#pragma once

#include <OgreLog.h>

#include <string>

// The engine's log as the game writes it: to a file of the game's own (a link planted at its
// name is replaced, never written through), or to standard error when no file name is
// given. Each line is written whole as it comes, stamped with the time of day as the
// engine stamps its own.
class LogFile : public Ogre::LogListener
{
public:
    // Opens the file; `problem()` says why it could not be, `note()` what it replaced.
    explicit LogFile(const std::string& name);
    ~LogFile() override;
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    const std::string& problem() const { return error; }
    const std::string& note() const { return replaced; }

    void messageLogged(const Ogre::String& message, Ogre::LogMessageLevel level, bool maskDebug,
                       const Ogre::String& logName, bool& skipThisMessage) override;

private:
    int fd = -1;
    bool ownsFile = false;
    std::string error;
    std::string replaced;
};
