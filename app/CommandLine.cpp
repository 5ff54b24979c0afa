#include "app/CommandLine.h"

CommandLine readCommandLine(int argc, const char* const argv[])
{
    CommandLine line;
    if (argc <= 1)
        return line;
    const std::string option = argv[1];
    if (argc == 2 && (option == "--help" || option == "-h"))
        line.mode = CommandLine::Mode::Help;
    else if (argc == 3 && (option == "--replay" || option == "--verify"))
    {
        line.mode = option == "--replay" ? CommandLine::Mode::Watch : CommandLine::Mode::Verify;
        line.file = argv[2];
    }
    else
    {
        line.mode = CommandLine::Mode::Wrong;
        line.problem = option == "--replay" || option == "--verify" ? option + " takes one file"
                                                                    : "unknown option " + option;
    }
    return line;
}
