#pragma once

#include "platform/PadMappings.h"

#include <SDL_gamecontroller.h>

#include <map>
#include <set>
#include <string>
#include <vector>

// What the pads say in one frame, all pads together (either of two pads steers).
struct PadInput
{
    float stickX = 0; // the left stick, -1 (left) to 1 (right)
    float stickY = 0; // -1 (down) to 1 (up)
    bool up = false, down = false, left = false, right = false; // the D-pad
    bool south = false;                                         // A, cross
    bool start = false;
    bool back = false;       // Back, Select, Share
    bool padRemoved = false; // a pad was pulled out since the last read
    int connected = 0;       // pads in use now
};

// Every pad SDL knows as a game controller, with the same layout whatever its maker,
// plugged in before the game or at any time during it. Mappings for pads SDL does not know
// come from SDL's own database, SDL_GAMECONTROLLERCONFIG and the player's
// gamecontrollerdb.txt (a plain file of at most 1 MB; a bad line there is skipped and
// reported). No pad, or no SDL
// joystick support at all, is the usual case: the game plays on the keyboard.
class Gamepads
{
public:
    // Reads the player's mappings from the file (missing is fine).
    explicit Gamepads(const std::string& mappingsFile);
    ~Gamepads();
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Takes in what happened since the last read (pads come and gone) and says what the
    // pads hold now. Lines for the log (a pad's name and GUID as it comes or goes, a bad
    // mapping) are added to `news`.
    PadInput read(std::vector<std::string>& news);

    // A rumble on every pad that has one: strength 0 to 1, for the given time.
    void rumble(float strength, int milliseconds);

private:
    void add(int deviceIndex, std::vector<std::string>& news);
    void remove(SDL_JoystickID id, std::vector<std::string>& news);

    bool working = false;
    std::vector<std::string> pending; // said at start, before the first read
    std::map<SDL_JoystickID, SDL_GameController*> pads;
    PadMappings mappings;              // the player's own, by GUID
    std::set<std::string> handedToSdl; // the lines of those already given to SDL
};

// The line a pad is logged under: its name and its GUID, as SDL's mapping lines use it.
std::string padDescription(SDL_GameController* pad);
