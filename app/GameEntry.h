#pragma once

class ExampleApplication;
class Platform;

// The caption of the box that reports an error that ended the game.
constexpr const char* kErrorCaption = "An exception has occured!";
// Left by a game that ended on an error: the replay of that game, for the next start to show.
constexpr const char* kErrorNoteFile = "last-error.txt";

// Runs the application. Whatever it throws (an engine error, an input-library error, an
// exhausted memory, anything else) ends the same way: the keyboard and mouse are given
// back, quit signals work as usual again, and the platform's error box shows the full
// description, verbatim. What the game kept of itself is said on standard error and in the
// log. Returns the process's exit status, which is always 0.
int runReportingErrors(ExampleApplication& app, Platform& platform);
