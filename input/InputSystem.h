#pragma once

#include <OgrePrerequisites.h>

#include <memory>

namespace OIS
{
class InputManager;
class Keyboard;
class Mouse;
class JoyStick;
} // namespace OIS
class Gamepads;

// The devices a frame listener reads. Whoever holds it holds the devices: destroying it
// gives them back (the real keyboard and mouse are released to the desktop).
class InputSystem
{
public:
    InputSystem() = default;
    InputSystem(const InputSystem&) = delete;
    InputSystem& operator=(const InputSystem&) = delete;
    virtual ~InputSystem() = default;

    OIS::Keyboard* keyboard = nullptr;
    OIS::Mouse* mouse = nullptr;
    OIS::JoyStick* joystick = nullptr; // null: no joystick, the usual case
    Gamepads* gamepads = nullptr;      // every game controller SDL knows; null: none read
};

// The real devices of a render window, read unbuffered through OIS: the keyboard, the
// mouse and a joystick when one can be made; and the gamepads, through SDL, with the
// player's own mappings from gamecontrollerdb.txt. Nothing is left held when construction
// fails half-way.
class OisInputSystem : public InputSystem
{
public:
    explicit OisInputSystem(Ogre::RenderWindow* window);
    ~OisInputSystem() override;

private:
    void destroyDevices();

    OIS::InputManager* manager = nullptr;
    std::unique_ptr<Gamepads> ownGamepads;
};
