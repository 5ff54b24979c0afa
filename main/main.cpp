// The game's entry point: no arguments, exit status 0 on every path. Whatever ends the game
// early is shown in full in a message box.
#include "app/GameEntry.h"
#include "game/CameraTrackApplication.h"
#include "platform/DesktopPlatform.h"
#include "platform/Dice.h"
#include "platform/QuitSignals.h"

int main()
{
    ignoreBrokenPipes();
    DesktopPlatform platform;
    SystemDice dice;
    CameraTrackApplication app(platform, dice);
    return runReportingErrors(app, platform);
}
