// The keyboard and mouse commands of one frame. Keys count in every frame they are
// held; the toggles are gated by toggleDelay so one press acts once.
#include "input/ExampleFrameListener.h"

#include "input/InputTuning.h"
#include "input/OverlaySwitch.h"
#include "input/Screenshot.h"
#include "platform/Gamepads.h"
#include "platform/Platform.h"
#include "rules/StickPush.h"
#include "scene/FishVisuals.h"
#include "scene/PanelVisuals.h"

#include <OIS.h>
#include <Ogre.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>
#include <cmath>

namespace
{
// True in the frame in which the key goes down; remembers it for the next frame.
bool pressedNow(bool down, bool& wasDown)
{
    const bool pressed = down && !wasDown;
    wasDown = down;
    return pressed;
}

} // namespace

bool ExampleFrameListener::asked(Action action) const
{
    return actionHeld(input, action);
}

bool ExampleFrameListener::handleKeys()
{
    if (asked(Action::Pause))
        togglePause();
    readExtraKeys();
    // While paused only P and the quit keys work (and the extra keys, which only read).
    if (!paused)
    {
        applyMovementKeys();
        applyToggleKeys();
    }
    return !asked(Action::Quit);
}

void ExampleFrameListener::readExtraKeys()
{
    // Each acts once per press, whatever the frame rate; none shares the toggle delay.
    extras.toggleControls = pressedNow(asked(Action::Controls), held.controls);
    extras.toggleHallOfFame = pressedNow(asked(Action::HallOfFame), held.hallOfFame);
    extras.toggleSound = pressedNow(asked(Action::Sound), held.sound);
    extras.toggleCues = pressedNow(asked(Action::Marks), held.cues);
    const bool enter = pressedNow(asked(Action::NewGame), held.enter);
    // Alt+Return is the desktop's full-screen key: its Return never starts a new game.
    const bool alt = asked(Action::Alt);
    extras.toggleFullScreen =
        pressedNow(asked(Action::FullScreen), held.fullScreen) || (enter && alt);
    extras.newGame = enter && !alt && !paused;
}

void ExampleFrameListener::togglePause()
{
    if (paused)
        hidePause();
    else
        showPause();
    platform.sleepMilliseconds(input_tuning::kPauseSleepMilliseconds);
}

void ExampleFrameListener::showPause()
{
    Ogre::OverlayManager::getSingleton()
        .getOverlayElement("GameOverTextArea", false)
        ->setCaption("PAUSE");
    gameOverOverlay->show();
    paused = true;
}

void ExampleFrameListener::hidePause()
{
    gameOverOverlay->hide();
    paused = false;
}

void ExampleFrameListener::applyMovementKeys()
{
    // The bindings never ask for both of two opposite swims.
    if (asked(Action::SwimLeft))
    {
        translation.x = -moveScale;
        faceDirection(*player, -1);
    }
    if (asked(Action::SwimRight))
    {
        translation.x = moveScale;
        faceDirection(*player, 1);
    }
    if (asked(Action::SwimUp))
        translation.y = moveScale;
    if (asked(Action::SwimDown))
        translation.y = -moveScale;
}

bool ExampleFrameListener::gateOpens(Action action, float delayAfter)
{
    if (toggleDelay > 0 || !asked(action))
        return false;
    toggleDelay = delayAfter;
    return true;
}

void ExampleFrameListener::applyToggleKeys()
{
    // Each row looks at the delay as the rows before it left it, so at most one acts.
    if (gateOpens(Action::ScoreLine, input_tuning::kToggleDelay))
        toggleStats();
    if (gateOpens(Action::Filtering, input_tuning::kToggleDelay))
        nextFiltering();
    if (gateOpens(Action::Screenshot, input_tuning::kScreenshotDelay))
        takeScreenshot();
    if (gateOpens(Action::DrawingMode, input_tuning::kScreenshotDelay))
        nextPolygonMode();
}

void ExampleFrameListener::toggleStats()
{
    statsOn = !statsOn;
    showOverlay(scoreOverlay, statsOn);
}

void ExampleFrameListener::nextFiltering()
{
    switch (filtering)
    {
    case Ogre::TFO_BILINEAR:
        filtering = Ogre::TFO_TRILINEAR;
        anisotropy = 1;
        break;
    case Ogre::TFO_TRILINEAR:
        filtering = Ogre::TFO_ANISOTROPIC;
        anisotropy = input_tuning::kAnisotropicLevel;
        break;
    default:
        filtering = Ogre::TFO_BILINEAR;
        anisotropy = 1;
        break;
    }
    applyFiltering();
}

void ExampleFrameListener::applyFiltering()
{
    Ogre::MaterialManager& materials = Ogre::MaterialManager::getSingleton();
    materials.setDefaultTextureFiltering(static_cast<Ogre::TextureFilterOptions>(filtering));
    materials.setDefaultAnisotropy(anisotropy);
    // The water may start with a sampler of its own (plain sampling on a software
    // renderer); from the first press on it is filtered like every other picture.
    if (background)
        followDefaultSampling(*background);
    showOverlay(scoreOverlay, statsOn);
}

void ExampleFrameListener::takeScreenshot()
{
    ++screenshotCount;
    Ogre::LogManager& log = Ogre::LogManager::getSingleton();
    if (watching)
    {
        log.logMessage("The recorded game took a screenshot here (not saved again)");
        return;
    }
    Ogre::LogManager::getSingleton().logMessage(saveScreenshot(*window, screenshotCount));
}

namespace
{
const Ogre::PolygonMode kPolygonModes[] = {Ogre::PM_SOLID, Ogre::PM_WIREFRAME, Ogre::PM_POINTS};
}

void ExampleFrameListener::nextPolygonMode()
{
    sceneDetail = (sceneDetail + 1) % 3;
    camera->setPolygonMode(kPolygonModes[sceneDetail]);
}

ListenerState ExampleFrameListener::state() const
{
    ListenerState kept;
    kept.statsOn = statsOn;
    kept.filtering = filtering;
    kept.anisotropy = anisotropy;
    kept.sceneDetail = sceneDetail;
    kept.toggleDelay = toggleDelay;
    const bool keys[] = {held.controls, held.sound, held.enter, held.cues,      held.fullScreen,
                         held.start,    held.south, held.back,  held.hallOfFame};
    for (int i = 0; i < 9; ++i)
        kept.heldKeys |= int(keys[i]) << i;
    return kept;
}

void ExampleFrameListener::takeOver(const ListenerState& kept)
{
    if (statsOn != kept.statsOn)
        toggleStats();
    if (filtering != kept.filtering || anisotropy != kept.anisotropy)
    {
        filtering = kept.filtering;
        anisotropy = kept.anisotropy;
        applyFiltering();
    }
    sceneDetail = kept.sceneDetail;
    camera->setPolygonMode(kPolygonModes[sceneDetail]);
    toggleDelay = kept.toggleDelay;
    bool* keys[] = {&held.controls, &held.sound, &held.enter, &held.cues,      &held.fullScreen,
                    &held.start,    &held.south, &held.back,  &held.hallOfFame};
    for (int i = 0; i < 9; ++i)
        *keys[i] = (kept.heldKeys >> i & 1) != 0;
}

void ExampleFrameListener::handleMouse()
{
    if ((input.mouseButtons & (1 << OIS::MB_Right)) != 0)
    {
        translation.x =
            static_cast<float>(translation.x + input.mouseX * input_tuning::kDragFactor);
        translation.y =
            static_cast<float>(translation.y - input.mouseY * input_tuning::kDragFactor);
    }
}

void ExampleFrameListener::handleGamepads()
{
    const PadInput& pad = input.pad;
    gamepadsConnected = pad.connected;
    // The device touched last is the one whose buttons the hints name.
    const bool padTouched = pad.south || pad.start || pad.back || pad.up || pad.down || pad.left ||
                            pad.right || std::hypot(pad.stickX, pad.stickY) > kStickDeadZone;
    if (pad.connected == 0 || input.actions != 0 || input.mouseButtons != 0)
        padInUse = false;
    else if (padTouched)
        padInUse = true;
    // A pad pulled out mid-game leaves nobody at the controls.
    if (pad.padRemoved && !paused && player->alive)
        showPause();
    if (pressedNow(pad.start, held.start))
        togglePause();
    const bool south = pressedNow(pad.south, held.south);
    extras.toggleControls = extras.toggleControls || pressedNow(pad.back, held.back);
    if (paused)
        return;
    extras.newGame = extras.newGame || south;

    // The D-pad swims at full speed, the stick at the share it leans to.
    const StickPush push = stickPush(pad.stickX, pad.stickY);
    const float x = pad.left ? -1.0f : pad.right ? 1.0f : push.x;
    const float y = pad.down ? -1.0f : pad.up ? 1.0f : push.y;
    if (x != 0)
    {
        translation.x = x * moveScale;
        faceDirection(*player, x < 0 ? -1 : 1);
    }
    if (y != 0)
        translation.y = y * moveScale;
}
