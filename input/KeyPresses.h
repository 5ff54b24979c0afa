#pragma once

#include <OISKeyboard.h>

#include <vector>

// The keys that went down since the last look, among every key with a name: read once a
// frame from the live keyboard, so that a panel over the game (the controls, the hall of
// fame) sees any key, bound or not. A key the panel takes asks the game for nothing until
// it is let go.
class KeyPresses
{
public:
    // The keys gone down since the last look; a taken key that was let go is free again.
    std::vector<OIS::KeyCode> read(const OIS::Keyboard& keyboard);
    // The key was pressed for the panel.
    void take(OIS::KeyCode key) { taken.push_back(key); }
    // Held now, and not taken by the panel: the key may ask the game for its action.
    bool askingTheGame(const OIS::Keyboard& keyboard, OIS::KeyCode key) const;
    void forgetTaken() { taken.clear(); }

private:
    std::vector<bool> wasDown;       // by the index in namedKeys()
    std::vector<OIS::KeyCode> taken; // pressed for the panel and still held
};
