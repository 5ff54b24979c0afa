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
    auto found = files.find(name);
    if (found == files.end() || unreadable.count(name) != 0)
    {
        error = name + (found == files.end() ? " is missing" : " cannot be read");
        return false;
    }
    text = found->second;
    return true;
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
    files[name] = text;
    return true;
}

bool RecordingPlatform::gameFileExists(const std::string& name)
{
    return files.count(name) != 0;
}

bool RecordingPlatform::renameGameFile(const std::string& from, const std::string& to,
                                       std::string& error)
{
    auto found = files.find(from);
    if (found == files.end())
    {
        error = from + " is missing";
        return false;
    }
    files[to] = found->second;
    files.erase(from);
    return true;
}
