#pragma once

#include <OgrePrerequisites.h>

#include <memory>
#include <string>

namespace Ogre
{
class OverlaySystem;
}
class ExampleFrameListener;
class FolderLock;
class LogFile;
class Platform;
class RenderLoopListener;

// The application shell: starts the engine from the files in the working directory,
// asks for render settings, opens the window, loads the resources and hands over to
// the game's scene and frame listener. Owns the root and the listener; the listener
// always goes first on the way out, the root last.
class ExampleApplication
{
public:
    // The platform sleeps, plays sounds and shows errors for the game; it outlives the
    // application.
    explicit ExampleApplication(Platform& platform);
    ExampleApplication(const ExampleApplication&) = delete;
    ExampleApplication& operator=(const ExampleApplication&) = delete;
    virtual ~ExampleApplication();

    // Set up, render until the listener says stop, keep the game's progress.
    virtual void run();
    // The whole start-up in its fixed order; false when the player cancelled the dialog.
    bool setUp();
    // The engine's settings dialog, then the automatic render window; false on cancel.
    virtual bool openRenderWindow();
    // Creates the frame listener, owned by the shell, and registers it with the root.
    virtual void makeFrameListener() = 0;
    // Builds the scene, once the resources are loaded.
    virtual void buildScene() = 0;
    // Every section of resources.cfg is a resource group of the folders it names.
    void addResourceLocations();

    // Gives the keyboard and mouse back now, before an error box needs them.
    void releaseInput();
    // Saves what the player must not lose (the best score, the recording of the game) before
    // the game ends, however it ends; safe to call more than once. Returns a line for the
    // player about what was kept (empty: nothing to say).
    virtual std::string keepProgress() { return ""; }
    // The game ended cleanly (quit, a closed window, a signal): keeps its progress.
    virtual void endPlay() { keepProgress(); }
    // The game ended on an error: leaves a note for the next start to show the player.
    virtual void noteError() {}

protected:
    // Held from the start of setUp until the game is gone.
    std::unique_ptr<FolderLock> folderLock;
    // A recorded game is being watched: nothing is written in the game's folder.
    bool onlyWatching = false;
    // Where the engine's log goes; outlives the log manager.
    std::unique_ptr<LogFile> logFile;
    // Made before the root and gone after it, which logs to the end.
    std::unique_ptr<Ogre::LogManager> logs;
    std::unique_ptr<Ogre::Root> root;
    Ogre::Camera* camera = nullptr;
    Ogre::SceneManager* sceneManager = nullptr;
    std::unique_ptr<ExampleFrameListener> frameListener;
    Ogre::RenderWindow* window = nullptr;
    std::string resourcePath;
    Platform& platform;

private:
    void makeSceneManager();
    void makeCamera();
    void makeViewports();
    // Loads every resource group, the game's own pictures under the driver choices.
    void initialiseResources();
    // A window larger than the screen's usable area is made the largest of the same shape
    // that fits, and logged; full-screen modes are left as chosen.
    void fitWindowToScreen();
    // Tells the desktop the window's class, process and icon.
    void describeWindow();
    // Notes in the log what the game chose for the driver, and why.
    void logDrawingChoice(const std::string& line);

    std::unique_ptr<Ogre::OverlaySystem> overlaySystem;
    std::unique_ptr<RenderLoopListener> loopListener;
};

// Makes the camera "PlayerCam" on its own node at (0, 0, 500), looking at (0, 0, -300),
// near clip 5. The scene build later hangs that node over the tank.
Ogre::Camera* createPlayerCamera(Ogre::SceneManager* sceneManager);
