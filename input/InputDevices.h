#pragma once

namespace OIS
{
class Keyboard;
class Mouse;
class JoyStick;
} // namespace OIS

// Input devices handed to a frame listener from outside (tests use fakes). The listener
// reads them but does not own them; the joystick may be null.
struct InputDevices
{
    OIS::Keyboard* keyboard = nullptr;
    OIS::Mouse* mouse = nullptr;
    OIS::JoyStick* joystick = nullptr;
};
