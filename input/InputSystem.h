#pragma once

#include <OgrePrerequisites.h>

namespace OIS
{
class InputManager;
class Keyboard;
class Mouse;
class JoyStick;
} // namespace OIS

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
};

// The real devices of a render window, read unbuffered through OIS: the keyboard, the
// mouse and a joystick when one can be made. Nothing is left held when construction
// fails half-way.
class OisInputSystem : public InputSystem
{
public:
    explicit OisInputSystem(Ogre::RenderWindow* window);
    ~OisInputSystem() override;

private:
    void destroyDevices();

    OIS::InputManager* manager = nullptr;
};
