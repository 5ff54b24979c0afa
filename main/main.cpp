// The game's entry point. With no arguments it plays; --replay FILE shows a recorded game,
// --verify FILE checks one with no window. Arguments it does not know are named and
// ignored. Playing or watching exits 0 on every path, and whatever ends the game early is
// shown in full in a message box.
#include "app/CommandLine.h"
#include "app/GameEntry.h"
#include "game/CameraTrackApplication.h"
#include "game/ReplayVerify.h"
#include "platform/DesktopPlatform.h"
#include "platform/Dice.h"
#include "platform/QuitSignals.h"

#include <iostream>
#include <memory>

int main(int argc, char* argv[])
{
    const CommandLine line = readCommandLine(argc, argv);
    for (const std::string& word : line.ignored)
        std::cerr << "fishtank: ignoring the unknown argument " << word << std::endl;
    switch (line.mode)
    {
    case CommandLine::Mode::Help:
        std::cout << kUsage;
        return 0;
    case CommandLine::Mode::Version:
        std::cout << "fishtank " << FISHTANK_VERSION << std::endl;
        return 0;
    case CommandLine::Mode::Wrong:
        std::cerr << "fishtank: " << line.problem << "\n" << kUsage;
        return 2;
    case CommandLine::Mode::Verify:
        return verifyReplay(line.file, std::cout, std::cerr);
    case CommandLine::Mode::Watch:
    case CommandLine::Mode::Play:
        break;
    }
    ignoreBrokenPipes();
    DesktopPlatform platform;
    std::unique_ptr<ReplayTape> watched;
    if (line.mode == CommandLine::Mode::Watch)
    {
        watched = std::make_unique<ReplayTape>();
        std::string problem;
        if (!loadReplay(line.file, *watched, problem))
        {
            std::cerr << "fishtank: " << problem << std::endl;
            platform.showError("fishtank", "The recorded game " + problem);
            return 2;
        }
    }
    ReplayDice dice;
    CameraTrackApplication app(platform, dice, std::move(watched));
    return runReportingErrors(app, platform);
}
