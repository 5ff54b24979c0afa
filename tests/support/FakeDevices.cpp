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

int ScriptedDice::roll()
{
    ++rolls;
    if (draws.empty())
        return fallback;
    const int draw = draws.front();
    draws.pop_front();
    return draw;
}

int SteadyDice::roll()
{
    state = state * 1103515245u + 12345u;
    return int((state >> 1) & 0x7FFFFFFF);
}
