#include "input/KeyPresses.h"

#include "input/KeyNames.h"

std::vector<OIS::KeyCode> KeyPresses::read(const OIS::Keyboard& keyboard)
{
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
