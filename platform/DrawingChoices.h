#pragma once

#include "platform/RendererKind.h"

#include <cstddef>
#include <string>
#include <vector>

// Two choices the game makes for a software OpenGL renderer, where the engine gives no say.
// Mesa's llvmpipe draws a flat picture by a span path two to three times cheaper than its
// general one, but only into a window without a depth buffer and from a picture kept in
// blue-green-red-alpha byte order:
//
// - The window half: the window is made without a depth buffer when the driver offers such
//   a configuration (with the samples the player asked for). The game never uses one: the
//   tank is drawn back to front.
// - The picture half: the game's own pictures, handed over blue-green-red-alpha with 8 bits
//   a channel, are stored in the layout the driver prefers for that data instead of the one
//   the engine names (red first). For llvmpipe that is the byte order given.
//
// On a hardware renderer (as drawsInSoftware() decides), both pass every call on unchanged.
// They are made by the executable defining glXChooseFBConfig and glTexImage2D itself (the
// engine's render system finds the executable's first) and passing each call on to the next
// definition, the driver's or a tracing tool's; a program links them in with
// fishtank_draws_by_driver_choices() in CMake.

// Whether the choices are made at all (the default). The benchmark switches them off to
// measure what they buy.
void makeDrawingChoices(bool make);

// The samples a pixel the player chose for the window (FSAA); 0 for none. The window half
// keeps a depth buffer rather than lose them.
void askForSamples(int samples);

// What the window half did at the driver's last choice of window configurations.
struct WindowChoice
{
    bool chosen = false; // the driver was asked at all
    bool made = true;    // the choices were switched on
    RendererKind renderer;
    int offered = 0;
    int withoutDepth = 0;
    int samplesWanted = 0;
    bool keptOnlyThose = false;
};
WindowChoice lastWindowChoice();

// While one lives, the pictures handed to the driver are the game's own: only these are
// ever stored in another layout, and only when the current context renders in software.
class OwnPictures
{
public:
    OwnPictures();
    ~OwnPictures();
    OwnPictures(const OwnPictures&) = delete;
    OwnPictures& operator=(const OwnPictures&) = delete;
};

// What the picture half did for the game's pictures so far.
struct PictureChoice
{
    bool asked = false; // pictures were loaded under OwnPictures
    bool made = true;
    RendererKind renderer;
    int handedOver = 0;
    int changed = 0;
};
PictureChoice lastPictureChoice();

// The log's line for each half: whether it is on, and why.
std::string windowChoiceLine(const WindowChoice& choice);
std::string pictureChoiceLine(const PictureChoice& choice);

// One window configuration as far as the choice goes.
struct WindowConfig
{
    int depthBits = 0;
    int stencilBits = 0;
    int samples = 0;
};

// The offered configurations to keep, as indices in the driver's order: when depth is not
// allowed, those with neither depth nor stencil buffer, provided one of them has at least
// the samples wanted; every one of them otherwise, so that a driver without such
// configurations still gives a window, with the player's samples.
std::vector<std::size_t> windowConfigsToKeep(const std::vector<WindowConfig>& offered,
                                             bool depthAllowed, int samplesWanted);
