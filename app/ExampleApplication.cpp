#include "app/ExampleApplication.h"

#include "app/GamePictures.h"
#include "app/LogFile.h"
#include "app/RenderLoopListener.h"
#include "app/RenderSettings.h"
#include "input/ExampleFrameListener.h"
#include "input/NativeWindow.h"
#include "platform/AddressSpace.h"
#include "platform/DesktopCheck.h"
#include "platform/DrawingChoices.h"
#include "platform/FileCheck.h"
#include "platform/FolderLock.h"
#include "platform/QuitSignals.h"
#include "platform/WindowIdentity.h"
#include "platform/XErrors.h"
#include "rules/GameTuning.h"
#include "rules/WindowFit.h"

#include <Bites/OgreBitesConfigDialog.h>
#include <Bites/OgreWindowEventUtilities.h>
#include <Ogre.h>
#include <Overlay/OgreOverlaySystem.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace
{
constexpr const char* kWindowTitle = "OGRE Render Window";
// What the desktop knows the window by (the desktop entry's StartupWMClass), and its icon.
constexpr const char* kWindowClass = "fishtank";
constexpr const char* kWindowIcon = "WindowIcon.png";
// Pixels a window manager may add around a window: its side borders and its title bar.
constexpr unsigned kFrameRoom = 16;
constexpr unsigned kTitleRoom = 48;
constexpr const char* kSceneManagerName = "ExampleSMInstance";
constexpr const char* kCameraName = "PlayerCam";
const Ogre::Vector3 kCameraOffset(0, 0, game_tuning::kCameraDistance);
const Ogre::Vector3 kCameraTarget(0, 0, -300);
constexpr Ogre::Real kNearClip = 5;
constexpr int kDefaultMipmaps = 5;
// The engine's own files are a few KB; anything much larger is not one.
constexpr std::size_t kLargestSettingsFile = 1u << 20;

// The smoothing (samples a pixel) chosen in the dialog; 0 where the renderer offers none.
int chosenSamples(Ogre::RenderSystem& renderSystem)
{
    const Ogre::ConfigOptionMap& options = renderSystem.getConfigOptions();
    const auto fsaa = options.find("FSAA");
    return fsaa == options.end() ? 0 : std::atoi(fsaa->second.currentValue.c_str());
}
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
    loopListener = std::make_unique<RenderLoopListener>(window, frameListener.get(), platform);
    root->addFrameListener(loopListener.get());
    root->startRendering();
    endPlay();
    removeQuitSignals();
    if (quitSignalled())
        std::cerr << "fishtank: ended by signal " << quitSignal() << std::endl;
}

bool ExampleApplication::setUp()
{
    // The installed launcher could not lay out the player's folder: it says why here.
    if (const char* problem = std::getenv("FISHTANK_LAUNCHER_PROBLEM"))
        OGRE_EXCEPT(Ogre::Exception::ERR_CANNOT_WRITE_TO_FILE, problem, "fishtank");
    if (!desktopDisplayAvailable())
        OGRE_EXCEPT(Ogre::Exception::ERR_RENDERINGAPI_ERROR,
                    "No X display could be opened: fishtank needs a desktop to draw on "
                    "(is DISPLAY set?)",
                    "ExampleApplication::setUp");
    installXErrorHandlers();
    ignoreFileSizeSignal();
    // A folder or a pipe where one of these files should be would hang the engine's reader,
    // and a huge one would hold up the start.
    for (const char* name : {"plugins.cfg", "ogre.cfg", "resources.cfg"})
    {
        const std::string reason =
            unreadableFileReason(resourcePath + name, true, kLargestSettingsFile);
        if (!reason.empty())
            OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND, reason, "ExampleApplication::setUp");
    }
    // Watching a recorded game writes nothing in the game's folder: its log goes to
    // standard error, and it takes no lock, so it can run beside a game being played.
    if (!onlyWatching)
    {
        // A second game here would write over this one's log, settings and best score.
        folderLock = std::make_unique<FolderLock>(resourcePath + "fishtank.lock");
        if (!folderLock->held())
            OGRE_EXCEPT(Ogre::Exception::ERR_DUPLICATE_ITEM,
                        "Another fishtank game is running in this folder; only one game at a "
                        "time can keep its files here",
                        "ExampleApplication::setUp");
    }
    const std::string logName = resourcePath + "Ogre.log";
    logFile = std::make_unique<LogFile>(onlyWatching ? "" : logName);
    // A folder or a pipe at the log's name is the player's to mend; a folder that may not be
    // written only costs the log.
    const std::string& problem = logFile->problem();
    if (problem == folderInTheWay(logName) || problem == notAPlainFile(logName))
        OGRE_EXCEPT(Ogre::Exception::ERR_CANNOT_WRITE_TO_FILE, logFile->problem(),
                    "ExampleApplication::setUp");
    if (!logFile->problem().empty())
        std::cerr << "fishtank: the game plays without its log: " << logFile->problem()
                  << std::endl;
    // The engine's log goes through the game's own writer only: standard output and
    // standard error are the game's own.
    logs = std::make_unique<Ogre::LogManager>();
    logs->createLog(resourcePath + "Ogre.log", true, false, true)->addListener(logFile.get());
    if (!logFile->note().empty())
        logs->logMessage(logFile->note());
    if (const char* note = std::getenv("FISHTANK_LAUNCHER_NOTE"))
        logs->logMessage(note);
    if (folderLock && !folderLock->unlockedReason().empty())
        logs->logMessage("Played without a lock on the folder: " + folderLock->unlockedReason());
    root = std::make_unique<Ogre::Root>(resourcePath + "plugins.cfg", resourcePath + "ogre.cfg",
                                        resourcePath + "Ogre.log");
    // Overlay scripts are only understood once the overlay system exists.
    overlaySystem = std::make_unique<Ogre::OverlaySystem>();
    addResourceLocations();
    if (!openRenderWindow())
        return false;
    logDrawingChoice(windowChoiceLine(lastWindowChoice()));
    makeSceneManager();
    makeCamera();
    makeViewports();
    Ogre::TextureManager::getSingleton().setDefaultNumMipmaps(kDefaultMipmaps);
    initialiseResources();
    buildScene();
    makeFrameListener();
    return true;
}

bool ExampleApplication::openRenderWindow()
{
    const std::string settingsFile = resourcePath + "ogre.cfg";
    restoreRenderSettings(*root, settingsFile);
    if (!OgreBites::getNativeConfigDialog()->display())
        return false;
    keepColoursTrue(*root->getRenderSystem(), settingsFile);
    if (!onlyWatching)
        saveRenderSettings(*root, settingsFile);
    // A window without a depth buffer is taken only where it keeps the player's smoothing.
    askForSamples(chosenSamples(*root->getRenderSystem()));
    // The renderer starts with the window; a software one cannot survive a tight limit.
    const std::string shortfall = addressSpaceShortfall(addressSpaceLimit(), kRendererAddressSpace);
    if (!shortfall.empty())
        OGRE_EXCEPT(Ogre::Exception::ERR_INVALID_STATE, shortfall,
                    "ExampleApplication::openRenderWindow");
    const std::string noOpenGL = "This display offers no OpenGL, which fishtank needs to draw "
                                 "the tank (on a remote or virtual display, start it on the "
                                 "machine's own screen, or install the graphics driver)";
    if (!displayOffersOpenGL())
        OGRE_EXCEPT(Ogre::Exception::ERR_RENDERINGAPI_ERROR, noOpenGL + ": its X server has no GLX",
                    "ExampleApplication::openRenderWindow");
    fitWindowToScreen();
    try
    {
        window = root->initialise(true, kWindowTitle);
    }
    catch (const Ogre::RenderingAPIException& error)
    {
        OGRE_EXCEPT(Ogre::Exception::ERR_RENDERINGAPI_ERROR,
                    noOpenGL + ". What the engine said: " + error.getFullDescription(),
                    "ExampleApplication::openRenderWindow");
    }
    // An X error here means the window could not be made as the settings ask.
    if (xErrorAfterSync(nativeWindowOf(*window).display))
    {
        setRenderSettingsAside(settingsFile, "the window could not be made with them");
        OGRE_EXCEPT(Ogre::Exception::ERR_RENDERINGAPI_ERROR,
                    "The game's window could not be made with the render settings chosen; they "
                    "were set aside, and the next start offers the defaults",
                    "ExampleApplication::openRenderWindow");
    }
    // Resize and close reach the listeners only for windows the message pump knows.
    OgreBites::WindowEventUtilities::_addRenderWindow(window);
    describeWindow();
    return true;
}

void ExampleApplication::fitWindowToScreen()
{
    Ogre::RenderSystem* renderer = root->getRenderSystem();
    const Ogre::ConfigOptionMap& options = renderer->getConfigOptions();
    const auto mode = options.find("Video Mode");
    const auto full = options.find("Full Screen");
    if (mode == options.end() || (full != options.end() && full->second.currentValue == "Yes"))
        return; // a full-screen mode is left as chosen
    const PixelSize asked = windowSizeOf(mode->second.currentValue);
    int left = 0, top = 0;
    PixelSize area;
    if (!usableScreenArea(left, top, area.width, area.height))
        return;
    // Room for a window manager's frame and title bar around the window.
    const PixelSize usable{area.width > kFrameRoom ? area.width - kFrameRoom : area.width,
                           area.height > kTitleRoom ? area.height - kTitleRoom : area.height};
    const PixelSize fitted = fittedWindow(asked, usable);
    if (fitted.width == asked.width && fitted.height == asked.height)
        return;
    const std::string size = std::to_string(fitted.width) + " x " + std::to_string(fitted.height);
    Ogre::LogManager::getSingleton().logMessage(
        "The window of " + mode->second.currentValue + " does not fit the screen's usable " +
        std::to_string(area.width) + " x " + std::to_string(area.height) + "; it is made " + size);
    renderer->setConfigOption("Video Mode", size);
}

void ExampleApplication::describeWindow()
{
    const NativeWindow native = nativeWindowOf(*window);
    std::vector<unsigned long> pixels;
    Ogre::Image icon;
    try
    {
        icon.load(kWindowIcon, Ogre::RGN_DEFAULT);
        for (Ogre::uint32 y = 0; y < icon.getHeight(); ++y)
            for (Ogre::uint32 x = 0; x < icon.getWidth(); ++x)
                pixels.push_back(icon.getColourAt(x, y, 0).getAsARGB());
    }
    catch (const Ogre::Exception& error)
    {
        Ogre::LogManager::getSingleton().logMessage(std::string("The window has no icon: ") +
                                                    error.what());
        pixels.clear();
    }
    describeWindowToDesktop(native.display, native.id, kWindowClass, icon.getWidth(),
                            icon.getHeight(), pixels);
}

void ExampleApplication::logDrawingChoice(const std::string& line)
{
    Ogre::LogManager::getSingleton().logMessage(line);
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

void ExampleApplication::makeViewports()
{
    Ogre::Viewport* viewport = window->addViewport(camera, 0, 0, 0, 1, 1);
    viewport->setBackgroundColour(Ogre::ColourValue(0, 0, 0, 1));
    // The tank is drawn back to front and never reads the depth buffer, so only the colour
    // is cleared: clearing depth too costs a software renderer a pass over every pixel.
    viewport->setClearEveryFrame(true, Ogre::FBT_COLOUR);
    camera->setAspectRatio(Ogre::Real(viewport->getActualWidth()) /
                           Ogre::Real(viewport->getActualHeight()));
    // A resized window keeps the picture's proportions.
    camera->setAutoAspectRatio(true);
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
            // A pipe among the resources would hang the engine when it reads them.
            const std::string unreadable =
                setting.first == "FileSystem" ? unreadableEntryReason(setting.second) : "";
            if (!unreadable.empty())
                OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND, unreadable,
                            "ExampleApplication::addResourceLocations");
            groups.addResourceLocation(setting.second, setting.first, section.first, false);
        }
    }
}

void ExampleApplication::initialiseResources()
{
    Ogre::ResourceGroupManager::getSingleton().initialiseAllResourceGroups();
    {
        const OwnPictures ownPictures;
        loadGamePictures();
    }
    logDrawingChoice(pictureChoiceLine(lastPictureChoice()));
}

void ExampleApplication::releaseInput()
{
    if (frameListener)
        frameListener->releaseInput();
}
