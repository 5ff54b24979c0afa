#include "game/MarkedLog.h"

#include <OgreLogManager.h>

#include <cstdint>

MarkedLog::MarkedLog(std::string mark_)
    : mark(std::move(mark_)), target(Ogre::LogManager::getSingleton().getDefaultLog()),
      own(Ogre::LogManager::getSingleton().createLog(mark + std::to_string(std::uintptr_t(this)),
                                                     false, false, true))
{
    own->addListener(this);
}

MarkedLog::~MarkedLog()
{
    own->removeListener(this);
    Ogre::LogManager::getSingleton().destroyLog(own);
}

void MarkedLog::messageLogged(const Ogre::String& message, Ogre::LogMessageLevel level,
                              bool maskDebug, const Ogre::String&, bool&)
{
    if (target != nullptr)
        target->logMessage(mark + message, level, maskDebug);
}

MarkedLog::Aside::Aside(MarkedLog& log)
    : previous(Ogre::LogManager::getSingleton().setDefaultLog(log.own))
{
}

MarkedLog::Aside::~Aside()
{
    Ogre::LogManager::getSingleton().setDefaultLog(previous);
}
