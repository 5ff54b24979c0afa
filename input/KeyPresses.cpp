#include "input/KeyPresses.h"

#include "input/KeyNames.h"

#include <algorithm>

std::vector<OIS::KeyCode> KeyPresses::read(const OIS::Keyboard& keyboard)
{
    taken.erase(std::remove_if(taken.begin(), taken.end(),
                               [&keyboard](OIS::KeyCode key) { return !keyboard.isKeyDown(key); }),
                taken.end());
    const std::vector<OIS::KeyCode>& keys = namedKeys();
    wasDown.resize(keys.size(), false);
    std::vector<OIS::KeyCode> pressed;
    for (std::size_t i = 0; i < keys.size(); ++i)
    {
        const bool down = keyboard.isKeyDown(keys[i]);
        if (down && !wasDown[i])
            pressed.push_back(keys[i]);
        wasDown[i] = down;
    }
    return pressed;
}

bool KeyPresses::askingTheGame(const OIS::Keyboard& keyboard, OIS::KeyCode key) const
{
    return keyboard.isKeyDown(key) && std::find(taken.begin(), taken.end(), key) == taken.end();
}
