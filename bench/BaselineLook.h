#pragma once

#include "game/TankScene.h"

#include <OgrePrerequisites.h>

#include <functional>
#include <string>
#include <vector>

// The game's drawing choices as switches over a live tank, each of which can put back the
// way the tank was drawn before it (the baseline). Look 0 is the game as it is, looks 1..n
// each put back one choice, and the last look puts back all of them.
class BaselineLook
{
public:
    BaselineLook(TankRecords& tank, Ogre::RenderWindow& window);

    std::size_t count() const { return switches.size() + 2; }
    std::size_t baselineIndex() const { return switches.size() + 1; }
    std::string name(std::size_t look) const;
    // The choice that look 1..n puts back.
    std::string switchName(std::size_t look) const { return switches[look - 1].name; }
    void apply(std::size_t look);
    // One more choice: `set(true)` makes it as the game does, `set(false)` as before.
    void addSwitch(const std::string& name, std::function<void(bool tuned)> set);

private:
    struct Switch
    {
        std::string name;
        std::function<void(bool tuned)> set;
    };

    void addSwitches(TankRecords& tank, Ogre::RenderWindow& window);

    std::vector<Switch> switches;
};
