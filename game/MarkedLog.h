#pragma once

#include <OgreLog.h>

#include <string>

// A log of its own whose lines go on to the log that was the engine's default when it was
// made, each marked at its start: a game inside another says what it says in the game's
// log, told apart.
class MarkedLog : public Ogre::LogListener
{
public:
    explicit MarkedLog(std::string mark);
    ~MarkedLog() override;
    MarkedLog(const MarkedLog&) = delete;
    MarkedLog& operator=(const MarkedLog&) = delete;

    void messageLogged(const Ogre::String& message, Ogre::LogMessageLevel level, bool maskDebug,
                       const Ogre::String& logName, bool& skipThisMessage) override;

    // While it lives, the engine's default log is the marked one.
    class Aside
    {
    public:
        explicit Aside(MarkedLog& log);
        ~Aside();
        Aside(const Aside&) = delete;
        Aside& operator=(const Aside&) = delete;

    private:
        Ogre::Log* previous;
    };

private:
    std::string mark;
    Ogre::Log* target;
    Ogre::Log* own;
};
