#include "app/ExampleApplication.h"

#include "app/RenderLoopListener.h"
#include "input/ExampleFrameListener.h"
#include "platform/DesktopCheck.h"
#include "platform/QuitSignals.h"

#include <Bites/OgreBitesConfigDialog.h>
#include <Bites/OgreWindowEventUtilities.h>
#include <Ogre.h>
#include <Overlay/OgreOverlaySystem.h>

#include <cstdio>
#include <filesystem>

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

ExampleApplication::ExampleApplication(Platform& platform_) : platform(platform_) {}

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
    removeQuitSignals();
    tearDownScene();
}

bool ExampleApplication::setUp()
{
    if (!desktopDisplayAvailable())
        OGRE_EXCEPT(Ogre::Exception::ERR_RENDERINGAPI_ERROR,
                    "No X display could be opened: fishtank needs a desktop to draw on "
                    "(is DISPLAY set?)",
                    "ExampleApplication::setUp");
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
    restoreSavedSettings();
    if (!root->showConfigDialog(OgreBites::getNativeConfigDialog()))
        return false;
    window = root->initialise(true, kWindowTitle);
    // Resize and close reach the listeners only for windows the message pump knows.
    OgreBites::WindowEventUtilities::_addRenderWindow(window);
    return true;
}

void ExampleApplication::restoreSavedSettings()
{
    if (root->getAvailableRenderers().empty())
        OGRE_EXCEPT(Ogre::Exception::ERR_RENDERINGAPI_ERROR,
                    "No render system could be loaded: " + resourcePath +
                        "plugins.cfg must name RenderSystem_GL and the folder that holds it",
                    "ExampleApplication::openRenderWindow");
    const std::string saved = resourcePath + "ogre.cfg";
    try
    {
        root->restoreConfig();
    }
    catch (const Ogre::Exception& error)
    {
        // Settings this render system rejects would stop every start until someone found
        // the file: keep it aside for a look, and let the dialog start from the defaults.
        const std::string aside = saved + ".rejected";
        std::rename(saved.c_str(), aside.c_str());
        Ogre::LogManager::getSingleton().logWarning("The saved render settings were set aside as " +
                                                    aside + ": " + error.getDescription());
    }
    // With nothing saved, the one render system there is comes preselected.
    if (root->getRenderSystem() == nullptr)
        root->setRenderSystem(root->getAvailableRenderers().front());
}

void ExampleApplication::makeSceneManager()
{
    sceneManager = root->createSceneManager(Ogre::DefaultSceneManagerFactory::FACTORY_TYPE_NAME,
                                            kSceneManagerName);
    sceneManager->addRenderQueueListener(overlaySystem.get());
}

Ogre::Camera* createPlayerCamera(Ogre::SceneManager* sceneManager)
{
    Ogre::Camera* camera = sceneManager->createCamera(kCameraName);
    Ogre::SceneNode* node = sceneManager->getRootSceneNode()->createChildSceneNode(kCameraOffset);
    node->lookAt(kCameraTarget, Ogre::Node::TS_WORLD);
    node->attachObject(camera);
    camera->setNearClipDistance(kNearClip);
    return camera;
}

void ExampleApplication::makeCamera()
{
    camera = createPlayerCamera(sceneManager);
}

void ExampleApplication::makeFrameListener()
{
    frameListener = std::make_unique<ExampleFrameListener>(
        window, camera, std::make_unique<OisInputSystem>(window), platform);
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
        {
            // The engine would take a missing folder silently and fail later on whatever
            // should have been in it; say which folder it is instead.
            if (setting.first == "FileSystem" && !std::filesystem::is_directory(setting.second))
                OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND,
                            "The resource folder '" + setting.second + "' named in " +
                                resourcePath + "resources.cfg does not exist",
                            "ExampleApplication::addResourceLocations");
            groups.addResourceLocation(setting.second, setting.first, section.first, false);
        }
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
