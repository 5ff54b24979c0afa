#include "game/CameraTrackApplication.h"

#include "game/CameraTrackListener.h"
#include "input/InputSystem.h"

#include <OgreRoot.h>

CameraTrackApplication::CameraTrackApplication(Platform& platform_, Dice& dice_)
    : ExampleApplication(platform_), dice(dice_)
{
}

void CameraTrackApplication::buildScene()
{
    buildTank(sceneManager, camera, *this);
}

void CameraTrackApplication::makeFrameListener()
{
    auto listener = makeTankListener(window, camera, *this,
                                     std::make_unique<OisInputSystem>(window), platform, dice);
    root->addFrameListener(listener.get());
    frameListener = std::move(listener);
}
