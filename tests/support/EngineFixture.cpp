#include "support/EngineFixture.h"

#include "app/ExampleApplication.h"
#include "game/CameraTrackListener.h"
#include "scene/FishVisuals.h"

#include <Ogre.h>
#include <OgreDefaultHardwareBufferManager.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>

#include <algorithm>
#include <fstream>
#include <set>

namespace
{
// Reads the manager's own list of nodes, which also holds the orphans that a walk down
// from the root would miss.
class CountingSceneManager : public Ogre::DefaultSceneManager
{
public:
    explicit CountingSceneManager(const Ogre::String& name) : Ogre::DefaultSceneManager(name) {}
    size_t nodeCount() const { return mSceneNodes.size(); }
    size_t renderQueueListenerCount() const { return mRenderQueueListeners.size(); }
};

// A picture that is named and sampled but never read or drawn.
class NullTexture : public Ogre::Texture
{
public:
    NullTexture(Ogre::ResourceManager* creator, const Ogre::String& name,
                Ogre::ResourceHandle handle, const Ogre::String& group)
        : Ogre::Texture(creator, name, handle, group)
    {
    }

protected:
    void prepareImpl() override {}
    void loadImpl() override {}
    void createInternalResourcesImpl() override {}
    void freeInternalResourcesImpl() override {}
};

// Holds the default texture sampler that the filtering keys change, and the pictures the
// game's materials name, none of them loaded.
class NullTextureManager : public Ogre::TextureManager
{
public:
    Ogre::PixelFormat getNativeFormat(Ogre::TextureType, Ogre::PixelFormat format, int) override
    {
        return format;
    }

protected:
    Ogre::Resource* createImpl(const Ogre::String& name, Ogre::ResourceHandle handle,
                               const Ogre::String& group, bool, Ogre::ManualResourceLoader*,
                               const Ogre::NameValuePairList*) override
    {
        return new NullTexture(this, name, handle, group);
    }
};

std::set<std::string> materialNames()
{
    std::set<std::string> names;
    auto materials = Ogre::MaterialManager::getSingleton().getResourceIterator();
    while (materials.hasMoreElements())
        names.insert(materials.getNext()->getName());
    return names;
}

// The game's own material script, as shipped; returns the materials it made.
std::vector<Ogre::MaterialPtr> loadGameMaterials()
{
    const std::set<std::string> before = materialNames();
    const std::string path =
        std::string(FISHTANK_SOURCE_DIR) + "/resources/materials/fishtank.material";
    std::ifstream file(path);
    if (!file)
        OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND, path, "WindowlessEngine");
    Ogre::DataStreamPtr script(new Ogre::FileStreamDataStream(&file, false));
    Ogre::MaterialManager::getSingleton().parseScript(script, Ogre::RGN_DEFAULT);
    std::vector<Ogre::MaterialPtr> made;
    for (const std::string& name : materialNames())
        if (before.count(name) == 0)
            made.push_back(Ogre::MaterialManager::getSingleton().getByName(name));
    return made;
}

// An overlay with one panel holding the named text areas, each saying where it came from.
void makeOverlay(const std::string& name, std::initializer_list<const char*> textAreas)
{
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    Ogre::Overlay* overlay = overlays.create(name);
    auto* panel = static_cast<Ogre::OverlayContainer*>(
        overlays.createOverlayElement("Panel", name + "Panel"));
    for (const char* textArea : textAreas)
    {
        Ogre::OverlayElement* text = overlays.createOverlayElement("TextArea", textArea);
        text->setCaption("from the resources");
        panel->addChild(text);
    }
    overlay->add2D(panel);
}

// The HUD beside the score line; its sound-off marker is a strip of its own.
void makeHudOverlays()
{
    makeOverlay("HudOverlay", {"BestTextArea", "HintTextArea"});
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    auto* marker = static_cast<Ogre::OverlayContainer*>(
        overlays.createOverlayElement("Panel", "SoundOffPanel"));
    marker->addChild(overlays.createOverlayElement("TextArea", "SoundOffTextArea"));
    overlays.getByName("HudOverlay")->add2D(marker);
    makeOverlay("ControlsOverlay", {"ControlsKeysTextArea", "ControlsActionsTextArea"});
    makeOverlay("NewBestOverlay", {"NewBestTextArea"});
    makeOverlay("NewGameOverlay", {"NewGameTextArea"});
}
} // namespace

int LogCatcher::count(const std::string& line) const
{
    return int(std::count(lines.begin(), lines.end(), line));
}

WindowlessEngine::WindowlessEngine() : WindowlessEngine(Options()) {}

WindowlessEngine::WindowlessEngine(Options options)
{
    logs = std::make_unique<Ogre::LogManager>();
    // Relative to the working directory: the build's test folder.
    Ogre::Log* log = logs->createLog("fishtank_tests.log", true, false, false);
    log->addListener(&logCatcher);
    root = std::make_unique<Ogre::Root>("", "", "");
    // Cameras need vertex buffers even when nothing is drawn.
    buffers = std::make_unique<Ogre::DefaultHardwareBufferManager>();
    textures = std::make_unique<NullTextureManager>();
    // The water's shaders are declared in the script; without a renderer they stay empty.
    programs = std::make_unique<Ogre::GpuProgramManager>();
    overlaySystem = std::make_unique<Ogre::OverlaySystem>();
    Ogre::MaterialManager::getSingleton().initialise();
    gameMaterials = loadGameMaterials();
    if (options.scoreOverlay)
        makeOverlay("ScoreOverlay", {"ScoreTextArea"});
    if (options.gameOverOverlay)
        makeOverlay("GameOverOverlay", {"GameOverTextArea"});
    if (options.hudOverlays)
        makeHudOverlays();
    ownScene.reset(new CountingSceneManager("TestScene"));
    scene = ownScene.get();
}

WindowlessEngine::~WindowlessEngine()
{
    ownScene.reset();
    overlaySystem.reset();
    gameMaterials.clear();
    programs.reset();
    textures.reset();
    buffers.reset();
    root.reset();
    logs->getDefaultLog()->removeListener(&logCatcher);
    logs.reset();
}

std::string WindowlessEngine::caption(const std::string& element) const
{
    return Ogre::OverlayManager::getSingleton().getOverlayElement(element)->getCaption();
}

bool WindowlessEngine::overlayVisible(const std::string& overlay) const
{
    return Ogre::OverlayManager::getSingleton().getByName(overlay)->isVisible();
}

bool WindowlessEngine::elementVisible(const std::string& element) const
{
    return Ogre::OverlayManager::getSingleton().getOverlayElement(element)->isVisible();
}

size_t WindowlessEngine::sceneNodeCount() const
{
    return static_cast<CountingSceneManager*>(scene)->nodeCount();
}

size_t WindowlessEngine::renderQueueListenerCount() const
{
    return static_cast<CountingSceneManager*>(scene)->renderQueueListenerCount();
}

std::vector<Ogre::Pass*> WindowlessEngine::gamePasses() const
{
    std::vector<Ogre::Pass*> passes;
    for (const Ogre::MaterialPtr& material : gameMaterials)
        for (Ogre::Technique* technique : material->getTechniques())
            for (Ogre::Pass* pass : technique->getPasses())
                passes.push_back(pass);
    return passes;
}

size_t WindowlessEngine::billboardSetCount() const
{
    return scene->getMovableObjects("BillboardSet").size();
}

Fish makeFish(Ogre::SceneManager* scene, Panel* tank, float x, float y, int width, int direction,
              int speed, bool shark)
{
    Fish fish;
    resetFish(fish);
    fish.isShark = shark;
    createFishVisuals(fish, direction, speed, scene, tank, "Examples/RedFish",
                      "Examples/RedFishRight", 0, 0, width, width / 4);
    fish.node->setPosition(x, y, 1);
    return fish;
}

PlayableTank::PlayableTank(Dice* otherDice, bool withJoystick, Gamepads* gamepads)
{
    camera = createPlayerCamera(engine.scene);
    buildTank(engine.scene, camera, world);
    listener =
        makeTankListener(&window, camera, world,
                         std::make_unique<LentInput>(&keyboard, &mouse, &inputReleased,
                                                     withJoystick ? &joystick : nullptr, gamepads),
                         platform, otherDice ? *otherDice : dice);
}

PlayableTank::~PlayableTank()
{
    listener.reset();
}

bool PlayableTank::frame(float seconds)
{
    Ogre::FrameEvent event{};
    event.timeSinceLastEvent = seconds;
    event.timeSinceLastFrame = seconds;
    return listener->frameStarted(event);
}

bool PlayableTank::tap(std::initializer_list<OIS::KeyCode> keys, float seconds)
{
    for (OIS::KeyCode key : keys)
        keyboard.press(key);
    const bool running = frame(seconds);
    keyboard.releaseAll();
    return running;
}

Fish& PlayableTank::addFish(float x, float y, int width, int direction, int speed, bool shark)
{
    world.fishes.push_back(
        makeFish(engine.scene, &world.background, x, y, width, direction, speed, shark));
    return world.fishes.back();
}

Ogre::Vector3 PlayableTank::playerPosition() const
{
    return world.player.node->getPosition();
}
