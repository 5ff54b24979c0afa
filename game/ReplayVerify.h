#pragma once

#include "game/ReplayFormat.h"

#include <iosfwd>
#include <string>

class SandboxPlatform;
namespace Ogre
{
class Root;
}

// Reads a recorded game from the file; false, with the line to print, when it cannot be
// played: unreadable, not a replay, damaged, cut short or from a newer game.
bool loadReplay(const std::string& path, ReplayTape& tape, std::string& problem);

// The game's own files as they were when the recording began (the best score and the
// choices), for a game played again to show what the player saw.
void fillSandbox(SandboxPlatform& sandbox, const ReplayHeader& header);

// Plays the recorded game again on the engine, in a scene of its own made and gone with it,
// with no window and no sound; `line` is what --verify prints, and the status its exit
// status: 0 the same, 1 it differs, 2 the same as far as the damaged file could be read.
int replayWithoutWindow(Ogre::Root& root, ReplayTape tape, std::string& line);

// Plays the recorded game in the file again with no window and no sound, as fast as it
// goes, and prints one line to `out`: "same: score N, M frames, cause" (returns 0), or
// "differs at frame F (second S): expected ..., got ..." (returns 1), or "same up to frame
// F (second S): ...; the rest cannot be read: ..." for a damaged file (returns 2); a file
// that cannot be played at all prints why to `err` and returns 2. A game another version
// of fishtank recorded is played all the same, after a line that names that version.
// Nothing on the disk changes.
int verifyReplay(const std::string& path, std::ostream& out, std::ostream& err);
