#include "support/EngineFixture.h"

#include "app/ExampleApplication.h"
#include "app/HeadlessEngine.h"
#include "game/CameraTrackListener.h"
#include "rules/Growth.h"
#include "scene/FishVisuals.h"

#include <Ogre.h>
#include <OgreDefaultHardwareBufferManager.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>

#include <algorithm>
#include <cmath>
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
    headless = std::make_unique<HeadlessEngine>(
        std::string(FISHTANK_SOURCE_DIR) + "/resources/materials/fishtank.material", options);
    ownScene.reset(new CountingSceneManager("TestScene"));
    scene = ownScene.get();
}

WindowlessEngine::~WindowlessEngine()
{
    ownScene.reset();
    headless.reset();
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
    for (const Ogre::MaterialPtr& material : headless->materials)
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

void steer(PlayableTank& tank, bool careful)
{
    const Fish& player = tank.world.player;
    const Rect me = fishRect(player);
    float goalX = me.x, goalY = me.y, best = 1e9f;
    for (const Fish& fish : tank.world.fishes)
    {
        const Rect it = fishRect(fish);
        const float dx = it.x - me.x, dy = it.y - me.y;
        const float distance = std::sqrt(dx * dx + dy * dy);
        if (!playerCanEat(player.width, fish.width, fish.isShark))
        {
            // Coming closer, and within reach of the player's height: swim to the far side.
            const bool closing = (fish.direction > 0) == (dx < 0);
            if (careful && closing && std::fabs(dx) < 190 + it.width && dy < me.height + 40 &&
                -dy < it.height + 40)
            {
                goalY = it.y + it.height / 2 > 200 ? 10.0f : 390.0f - me.height;
                goalX = me.x;
                best = -1;
            }
        }
        else if (distance < best && best >= 0 && it.x > 0 && it.x < 480)
        {
            best = distance;
            goalX = it.x;
            goalY = it.y;
        }
    }
    // The hook catches what comes within reach of its point.
    const Ogre::Vector3 hook = tank.world.hookNode->getPosition();
    if (careful && std::fabs(hook.x - me.x) < 90 && std::fabs(hook.y - me.y) < 70)
        goalY = hook.y + (me.y > hook.y ? 150.0f : -150.0f);
    tank.keyboard.releaseAll();
    if (goalX < me.x - 4)
        tank.keyboard.press(OIS::KC_LEFT);
    if (goalX > me.x + 4)
        tank.keyboard.press(OIS::KC_RIGHT);
    if (goalY < me.y - 4)
        tank.keyboard.press(OIS::KC_DOWN);
    if (goalY > me.y + 4)
        tank.keyboard.press(OIS::KC_UP);
}
