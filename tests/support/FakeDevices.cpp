#include "support/FakeDevices.h"

#include <cstring>

FakeKeyboard::FakeKeyboard() : OIS::Keyboard("fake", false, 0, nullptr) {}

void FakeKeyboard::copyKeyStates(char keys[256]) const
{
    std::memset(keys, 0, 256);
    for (OIS::KeyCode key : held)
        keys[key] = 1;
}

FakeMouse::FakeMouse() : OIS::Mouse("fake", false, 0, nullptr) {}

void FakeMouse::move(int dx, int dy, bool rightButton)
{
    mState.X.rel = dx;
    mState.Y.rel = dy;
    mState.buttons = rightButton ? (1 << OIS::MB_Right) : 0;
}

LentInput::LentInput(OIS::Keyboard* keyboard_, OIS::Mouse* mouse_, bool* released_,
                     OIS::JoyStick* joystick_, Gamepads* gamepads_)
    : released(released_)
{
    keyboard = keyboard_;
    mouse = mouse_;
    joystick = joystick_;
    gamepads = gamepads_;
}

LentInput::~LentInput()
{
    if (released != nullptr)
        *released = true;
}

FakeJoyStick::FakeJoyStick() : OIS::JoyStick("fake", false, 0, nullptr) {}

bool RecordingPlatform::readGameFile(const std::string& name, std::string& text, std::string& error)
{
    if (files.count(name) != 0 && unreadable.count(name) != 0)
    {
        error = name + " cannot be read";
        return false;
    }
    return SandboxPlatform::readGameFile(name, text, error);
}

bool RecordingPlatform::writeGameFile(const std::string& name, const std::string& text,
                                      std::string& error)
{
    ++writes;
    if (unwritable.count(name) != 0)
    {
        error = name + " cannot be written";
        return false;
    }
    return SandboxPlatform::writeGameFile(name, text, error);
}
