#include "input/FrameInput.h"

#include "input/InputSystem.h"

#include <OIS.h>

const OIS::KeyCode kGameKeys[kGameKeyCount] = {
    OIS::KC_P,           OIS::KC_F1,     OIS::KC_M,     OIS::KC_H,      OIS::KC_RETURN,
    OIS::KC_NUMPADENTER, OIS::KC_LMENU,  OIS::KC_RMENU, OIS::KC_F11,    OIS::KC_A,
    OIS::KC_D,           OIS::KC_UP,     OIS::KC_W,     OIS::KC_DOWN,   OIS::KC_S,
    OIS::KC_PGUP,        OIS::KC_PGDOWN, OIS::KC_RIGHT, OIS::KC_LEFT,   OIS::KC_F,
    OIS::KC_T,           OIS::KC_SYSRQ,  OIS::KC_R,     OIS::KC_ESCAPE, OIS::KC_Q};

namespace
{
int keyIndex(OIS::KeyCode key)
{
    for (int i = 0; i < kGameKeyCount; ++i)
        if (kGameKeys[i] == key)
            return i;
    return -1;
}
} // namespace

bool keyHeld(const FrameInput& input, OIS::KeyCode key)
{
    const int index = keyIndex(key);
    return index >= 0 && (input.keys >> index & 1u) != 0;
}

void holdKey(FrameInput& input, OIS::KeyCode key)
{
    const int index = keyIndex(key);
    if (index >= 0)
        input.keys |= 1u << index;
}

FrameInput readDevices(InputSystem& devices, std::vector<std::string>& news)
{
    FrameInput input;
    if (devices.keyboard != nullptr)
    {
        devices.keyboard->capture();
        for (int i = 0; i < kGameKeyCount; ++i)
            if (devices.keyboard->isKeyDown(kGameKeys[i]))
                input.keys |= 1u << i;
    }
    if (devices.mouse != nullptr)
    {
        devices.mouse->capture();
        const OIS::MouseState& state = devices.mouse->getMouseState();
        input.mouseButtons = state.buttons;
        if (state.buttonDown(OIS::MB_Right))
        {
            input.mouseX = state.X.rel;
            input.mouseY = state.Y.rel;
        }
    }
    if (devices.joystick != nullptr)
        devices.joystick->capture(); // still read by OIS; the pads steer through SDL
    if (devices.gamepads != nullptr)
        input.pad = devices.gamepads->read(news);
    return input;
}
