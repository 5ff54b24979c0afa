#include "app/ExampleApplication.h"

#include "app/QuitSignals.h"
#include "input/ExampleFrameListener.h"

#include <Bites/OgreBitesConfigDialog.h>
#include <Bites/OgreWindowEventUtilities.h>
#include <Ogre.h>
#include <Overlay/OgreOverlaySystem.h>

namespace
{
constexpr const char* kWindowTitle = "OGRE Render Window";
constexpr const char* kSceneManagerName = "ExampleSMInstance";
constexpr const char* kCameraName = "PlayerCam";
const Ogre::Vector3 kCameraOffset(0, 0, 500);
const Ogre::Vector3 kCameraTarget(0, 0, -300);
constexpr Ogre::Real kNearClip = 5;
constexpr int kDefaultMipmaps = 5;
} // namespace

ExampleApplication::ExampleApplication() = default;

ExampleApplication::~ExampleApplication()
{
    frameListener.reset();
    if (window)
        OgreBites::WindowEventUtilities::_removeRenderWindow(window);
    if (root && loopListener)
        root->removeFrameListener(loopListener.get());
    if (sceneManager && overlaySystem)
        sceneManager->removeRenderQueueListener(overlaySystem.get());
    overlaySystem.reset();
    root.reset();
}

void ExampleApplication::run()
{
    if (!setUp())
        return;
    installQuitSignals();
    loopListener = std::make_unique<RenderLoopListener>();
    root->addFrameListener(loopListener.get());
    root->startRendering();
    tearDownScene();
}

bool ExampleApplication::setUp()
{
    root = std::make_unique<Ogre::Root>(resourcePath + "plugins.cfg", resourcePath + "ogre.cfg",
                                        resourcePath + "Ogre.log");
    // Overlay scripts are only understood once the overlay system exists.
    overlaySystem = std::make_unique<Ogre::OverlaySystem>();
    addResourceLocations();
    if (!openRenderWindow())
        return false;
    makeSceneManager();
    makeCamera();
    makeViewports();
    Ogre::TextureManager::getSingleton().setDefaultNumMipmaps(kDefaultMipmaps);
    makeResourceListener();
    initialiseResources();
    buildScene();
    makeFrameListener();
    return true;
}

bool ExampleApplication::openRenderWindow()
{
    if (!root->showConfigDialog(OgreBites::getNativeConfigDialog()))
        return false;
    window = root->initialise(true, kWindowTitle);
    // Resize and close reach the listeners only for windows the message pump knows.
    OgreBites::WindowEventUtilities::_addRenderWindow(window);
    return true;
}

void ExampleApplication::makeSceneManager()
{
    sceneManager = root->createSceneManager(Ogre::DefaultSceneManagerFactory::FACTORY_TYPE_NAME,
                                            kSceneManagerName);
    sceneManager->addRenderQueueListener(overlaySystem.get());
}

void ExampleApplication::makeCamera()
{
    camera = sceneManager->createCamera(kCameraName);
    cameraNode = sceneManager->getRootSceneNode()->createChildSceneNode(kCameraOffset);
    cameraNode->lookAt(kCameraTarget, Ogre::Node::TS_WORLD);
    cameraNode->attachObject(camera);
    camera->setNearClipDistance(kNearClip);
}

void ExampleApplication::makeFrameListener()
{
    frameListener = std::make_unique<ExampleFrameListener>(window, camera);
    root->addFrameListener(frameListener.get());
}

void ExampleApplication::makeViewports()
{
    Ogre::Viewport* viewport = window->addViewport(camera, 0, 0, 0, 1, 1);
    viewport->setBackgroundColour(Ogre::ColourValue(0, 0, 0, 1));
    camera->setAspectRatio(Ogre::Real(viewport->getActualWidth()) /
                           Ogre::Real(viewport->getActualHeight()));
}

void ExampleApplication::addResourceLocations()
{
    Ogre::ConfigFile config;
    config.load(resourcePath + "resources.cfg", "\t:=", true);
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    for (const auto& section : config.getSettingsBySection())
    {
        for (const auto& setting : section.second)
            groups.addResourceLocation(setting.second, setting.first, section.first, false);
    }
}

void ExampleApplication::initialiseResources()
{
    Ogre::ResourceGroupManager::getSingleton().initialiseAllResourceGroups();
}

void ExampleApplication::releaseInput()
{
    if (frameListener)
        frameListener->releaseInput();
}
