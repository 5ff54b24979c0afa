#include "app/CommandLine.h"

CommandLine readCommandLine(int argc, const char* const argv[])
{
    CommandLine line;
    bool chosen = false; // the first option that means something decides; the rest are extra
    for (int i = 1; i < argc; ++i)
    {
        const std::string word = argv[i];
        if (chosen)
            line.ignored.push_back(word);
        else if (word == "--help" || word == "-h")
            line.mode = CommandLine::Mode::Help;
        else if (word == "--version")
            line.mode = CommandLine::Mode::Version;
        else if (word == "--replay" || word == "--verify")
        {
            if (i + 1 < argc)
            {
                line.mode =
                    word == "--replay" ? CommandLine::Mode::Watch : CommandLine::Mode::Verify;
                line.file = argv[++i];
            }
            else
            {
                line.mode = CommandLine::Mode::Wrong;
                line.problem = word + " takes one file";
            }
        }
        else
            line.ignored.push_back(word);
        chosen = chosen || line.mode != CommandLine::Mode::Play;
    }
    return line;
}
