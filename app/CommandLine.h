#pragma once

#include <string>
#include <vector>

// What the player asked for on the command line.
struct CommandLine
{
    enum class Mode
    {
        Play,    // no arguments: the game as always
        Watch,   // --replay FILE: a recorded game shown in the game's window
        Verify,  // --verify FILE: a recorded game played again with no window, and compared
        Help,    // --help
        Version, // --version
        Wrong    // --replay or --verify without a file: `problem` says what
    };
    Mode mode = Mode::Play;
    std::string file;
    std::string problem;
    std::vector<std::string> ignored; // what the game does not know: named, then ignored
};

CommandLine readCommandLine(int argc, const char* const argv[]);

// The options, for --help and after a wrong command line.
constexpr const char* kUsage =
    "Usage: fishtank [--replay FILE | --verify FILE | --help | --version]\n"
    "  (no option)     play\n"
    "  --replay FILE   watch a recorded game: P pauses, 1 to 4 set "
    "the speed (0.25x, 1x, 2x, 4x), Escape or Q stops\n"
    "  --verify FILE   play a recorded game again with no window and "
    "say whether it went the same way\n"
    "  --help          list the options\n"
    "  --version       say the game's version\n"
    "Anything else is named and ignored, and the game plays.\n";
