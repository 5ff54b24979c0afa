#include "input/FrameInput.h"

#include "input/Bindings.h"
#include "input/InputSystem.h"

#include <OIS.h>

bool actionHeld(const FrameInput& input, Action action)
{
    return (input.actions >> int(action) & 1u) != 0;
}

void holdAction(FrameInput& input, Action action)
{
    input.actions |= 1u << int(action);
}

FrameInput readDevices(InputSystem& devices, const Bindings& bindings,
                       std::vector<std::string>& news)
{
    FrameInput input;
    if (devices.keyboard != nullptr)
    {
        devices.keyboard->capture();
        OIS::Keyboard& keyboard = *devices.keyboard;
        input.actions = actionsHeld(bindings, [&keyboard](OIS::KeyCode key)
                                    { return keyboard.isKeyDown(key); });
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
