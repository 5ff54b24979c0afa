#include "game/WatchedGame.h"

#include "app/ExampleApplication.h"
#include "game/CameraTrackListener.h"
#include "game/ReplayPlayback.h"
#include "game/ReplayVerify.h"
#include "input/InputSystem.h"
#include "scene/SolidDrawing.h"

#include <OgreCamera.h>
#include <OgreLogManager.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreViewport.h>
#include <Overlay/OgreOverlaySystem.h>

namespace
{
// The camera draws the window's shape, whatever it became while another camera drew it.
void fitCamera(Ogre::Camera* camera, Ogre::Viewport* viewport)
{
    camera->setAutoAspectRatio(true);
    if (viewport->getActualHeight() > 0)
        camera->setAspectRatio(Ogre::Real(viewport->getActualWidth()) /
                               Ogre::Real(viewport->getActualHeight()));
}
} // namespace

WatchedGame::OwnScene::OwnScene() : scene(Ogre::Root::getSingleton().createSceneManager())
{
    // The HUD is drawn over whichever scene the window shows.
    if (Ogre::OverlaySystem* overlays = Ogre::OverlaySystem::getSingletonPtr())
        scene->addRenderQueueListener(overlays);
}

WatchedGame::OwnScene::~OwnScene()
{
    if (Ogre::OverlaySystem* overlays = Ogre::OverlaySystem::getSingletonPtr())
        scene->removeRenderQueueListener(overlays);
    Ogre::Root::getSingleton().destroySceneManager(scene);
}

WatchedGame::WatchedGame(Ogre::RenderWindow* window, Platform& platform, ReplayTape tape,
                         SharedLook look, const std::string& backHint, const HallOfFame& hall)
    : liveLook{std::move(look)}, camera(createPlayerCamera(own.scene)), sandbox(&platform),
      hint(backHint)
{
    const MarkedLog::Aside aside(ownLog);
    buildTank(own.scene, camera, tank);
    solidDrawing = std::make_unique<SolidDrawing>(camera, tank.leftSide, tank.rightSide);
    fillSandbox(sandbox, tape.header);
    game = makeTankListener(window, camera, tank, std::make_unique<InputSystem>(), sandbox, dice);
    game->watch(std::make_unique<ReplayPlayback>(std::move(tape)), dice);
    game->listHallOfFame(hall);
    if (window->getNumViewports() > 0)
    {
        viewport = window->getViewport(0);
        liveCamera = viewport->getCamera();
        viewport->setCamera(camera);
        fitCamera(camera, viewport);
    }
}

WatchedGame::~WatchedGame()
{
    {
        const MarkedLog::Aside aside(ownLog);
        game.reset();
    }
    if (viewport != nullptr)
    {
        viewport->setCamera(liveCamera);
        fitCamera(liveCamera, viewport);
    }
}

WatchedGame::Step WatchedGame::frame(const Ogre::FrameEvent& evt, const FrameInput& asked,
                                     OIS::Keyboard* keys)
{
    if (actionHeld(asked, Action::Quit))
        return Step::Quit;
    const bool back = actionHeld(asked, Action::HallOfFame) || actionHeld(asked, Action::Controls);
    backPressed = backPressed || (back && !backHeld);
    backHeld = back;
    if (backPressed && !back)
        return Step::Back;
    const MarkedLog::Aside aside(ownLog);
    return game->watchFrame(evt.timeSinceLastFrame, keys, hint) ? Step::Watching : Step::Quit;
}
