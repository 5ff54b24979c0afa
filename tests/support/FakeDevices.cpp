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

FakeWindow::FakeWindow(unsigned width, unsigned height)
{
    mName = "FakeWindow";
    mWidth = width;
    mHeight = height;
    mActive = true;
}

void FakeWindow::resize(unsigned width, unsigned height)
{
    mWidth = width;
    mHeight = height;
}

void FakeWindow::copyContentsToMemory(const Ogre::Box&, const Ogre::PixelBox&, FrameBuffer)
{
    ++copies;
}

LentInput::LentInput(OIS::Keyboard* keyboard_, OIS::Mouse* mouse_, bool* released_)
    : released(released_)
{
    keyboard = keyboard_;
    mouse = mouse_;
}

LentInput::~LentInput()
{
    if (released != nullptr)
        *released = true;
}
