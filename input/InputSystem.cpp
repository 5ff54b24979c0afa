#include "input/InputSystem.h"

#include "platform/Gamepads.h"

#include <OIS.h>
#include <OgreRenderWindow.h>

#include <cstdint>
#include <string>

OisInputSystem::OisInputSystem(Ogre::RenderWindow* window)
{
    // The X window id is 64 bits wide on this platform.
    std::uint64_t windowHandle = 0;
    window->getCustomAttribute("WINDOW", &windowHandle);
    OIS::ParamList parameters;
    parameters.insert(std::make_pair(std::string("WINDOW"), std::to_string(windowHandle)));
    // The desktop stays usable: the game reads keys and the pointer while its window has
    // them, and never takes the keyboard or the pointer away from other windows.
    parameters.insert(std::make_pair(std::string("x11_keyboard_grab"), std::string("false")));
    parameters.insert(std::make_pair(std::string("x11_mouse_grab"), std::string("false")));
    parameters.insert(std::make_pair(std::string("x11_mouse_hide"), std::string("false")));

    manager = OIS::InputManager::createInputSystem(parameters);
    try
    {
        keyboard = static_cast<OIS::Keyboard*>(manager->createInputObject(OIS::OISKeyboard, false));
        mouse = static_cast<OIS::Mouse*>(manager->createInputObject(OIS::OISMouse, false));
    }
    catch (...)
    {
        // A keyboard already grabbed must not stay grabbed because the mouse failed.
        destroyDevices();
        throw;
    }
    try
    {
        joystick = static_cast<OIS::JoyStick*>(manager->createInputObject(OIS::OISJoyStick, false));
    }
    catch (...)
    {
        joystick = nullptr; // no joystick is the usual case
    }
    ownGamepads = std::make_unique<Gamepads>("gamecontrollerdb.txt");
    gamepads = ownGamepads.get();
}

OisInputSystem::~OisInputSystem()
{
    destroyDevices();
}

void OisInputSystem::destroyDevices()
{
    if (manager == nullptr)
        return;
    manager->destroyInputObject(mouse);
    manager->destroyInputObject(keyboard);
    manager->destroyInputObject(joystick);
    OIS::InputManager::destroyInputSystem(manager);
    manager = nullptr;
}
