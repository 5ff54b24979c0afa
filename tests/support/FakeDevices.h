#pragma once

#include "app/HeadlessEngine.h"
#include "input/InputSystem.h"
#include "platform/SandboxPlatform.h"

#include <OISJoyStick.h>
#include <OISKeyboard.h>
#include <OISMouse.h>
#include <OgreRenderWindow.h>

#include <map>
#include <set>
#include <string>
#include <vector>

// A keyboard whose held keys the test chooses.
class FakeKeyboard : public OIS::Keyboard
{
public:
    FakeKeyboard();
    bool isKeyDown(OIS::KeyCode key) const override { return held.count(key) != 0; }
    const std::string& getAsString(OIS::KeyCode) override { return name; }
    void copyKeyStates(char keys[256]) const override;
    void setBuffered(bool buffered) override { mBuffered = buffered; }
    void capture() override { ++captures; }
    OIS::Interface* queryInterface(OIS::Interface::IType) override { return nullptr; }
    void _initialize() override {}

    void press(OIS::KeyCode key) { held.insert(key); }
    void release(OIS::KeyCode key) { held.erase(key); }
    void releaseAll() { held.clear(); }

    std::set<OIS::KeyCode> held;
    int captures = 0;

private:
    std::string name = "key";
};

// A joystick that counts how often it is captured; the game steers by pad through SDL.
class FakeJoyStick : public OIS::JoyStick
{
public:
    FakeJoyStick();
    void setBuffered(bool buffered) override { mBuffered = buffered; }
    void capture() override { ++captures; }
    OIS::Interface* queryInterface(OIS::Interface::IType) override { return nullptr; }
    void _initialize() override {}

    int captures = 0;
};

// A mouse whose motion and buttons the test sets for the next frame.
class FakeMouse : public OIS::Mouse
{
public:
    FakeMouse();
    void setBuffered(bool buffered) override { mBuffered = buffered; }
    void capture() override { ++captures; }
    OIS::Interface* queryInterface(OIS::Interface::IType) override { return nullptr; }
    void _initialize() override {}

    // Relative motion for this frame, with or without the right button held.
    void move(int dx, int dy, bool rightButton);

    int captures = 0;
};

// A render window without a screen: it can be closed, and a screenshot copy can fail.
class FakeWindow : public HeadlessWindow
{
public:
    using HeadlessWindow::HeadlessWindow;
    bool isClosed() const override { return closed; }
    void copyContentsToMemory(const Ogre::Box&, const Ogre::PixelBox&, FrameBuffer) override
    {
        ++copies;
    }

    bool closed = false;
    int copies = 0;
};

// Records what the game asked of the desktop instead of doing it; its files live in memory,
// as a watched game's do.
class RecordingPlatform : public SandboxPlatform
{
public:
    void sleepMilliseconds(int milliseconds) override { sleeps.push_back(milliseconds); }
    void playSound(const std::string& path) override { sounds.push_back(path); }
    void showError(const std::string& caption, const std::string& text) override
    {
        errors.push_back(caption + "\n" + text);
    }
    std::string preloadSound(const std::string&) override { return ""; }
    bool readGameFile(const std::string& name, std::string& text, std::string& error) override;
    bool writeGameFile(const std::string& name, const std::string& text,
                       std::string& error) override;
    WindowFocus focusOf(void*, unsigned long) override { return focus; }
    bool screenSize(void*, unsigned long, unsigned& width, unsigned& height) override
    {
        width = 1920;
        height = 1080;
        return true;
    }

    std::vector<int> sleeps;
    std::vector<std::string> sounds;
    std::vector<std::string> errors;
    // A name in `unwritable` (of the files) cannot be written, one in `unreadable` is there
    // but cannot be read.
    std::set<std::string> unwritable;
    std::set<std::string> unreadable;
    int writes = 0;
    WindowFocus focus = WindowFocus::Unknown;
};

// Devices the test owns, lent to a listener: when the listener lets go of its input, the
// fakes live on, and the test can see that they were let go.
class LentInput : public InputSystem
{
public:
    LentInput(OIS::Keyboard* keyboard_, OIS::Mouse* mouse_, bool* released_ = nullptr,
              OIS::JoyStick* joystick_ = nullptr, Gamepads* gamepads_ = nullptr);
    ~LentInput() override;

private:
    bool* released;
};
