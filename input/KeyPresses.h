#pragma once

#include <OISKeyboard.h>

#include <vector>

// The keys that went down since the last look, among every key with a name: read once a
// frame from the live keyboard, so that the controls panel sees any key, bound or not.
class KeyPresses
{
public:
    std::vector<OIS::KeyCode> read(const OIS::Keyboard& keyboard);

private:
    std::vector<bool> wasDown; // by the index in namedKeys()
};
