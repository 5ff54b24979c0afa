#include "game/GameSounds.h"

#include "platform/Platform.h"

void GameSounds::play(const std::string& path)
{
    if (on)
        platform.playSound(path);
}
