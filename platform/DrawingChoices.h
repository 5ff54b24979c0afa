#pragma once

#include <cstddef>
#include <vector>

// Two choices the game makes for the OpenGL driver, where the engine gives no say:
//
// - The window is made without a depth buffer when the driver offers such a
//   configuration. The game never uses one (the tank is drawn back to front), and a
//   software renderer such as Mesa's llvmpipe draws flat pictures by its fast span path
//   only into a window that has none.
// - A picture handed over in blue-green-red-alpha byte order with 8 bits a channel is
//   stored in the layout the driver prefers for that data, instead of the one the engine
//   names (red first). For llvmpipe that is the same byte order, which its fast path reads.
//
// Both are made by the executable defining glXChooseFBConfig and glTexImage2D itself and
// passing on to the driver's own (the engine's render system finds the executable's first);
// a program links them in with fishtank_draws_by_driver_choices() in CMake.

// Whether both choices are made from now on (the default). The benchmark turns them off to
// draw the tank as it was drawn before them.
void makeDrawingChoices(bool make);

// How many window configurations the driver offered at the last choice, how many of them
// have neither depth nor stencil buffer, and whether only those were kept.
struct WindowConfigCount
{
    int offered = 0;
    int withoutDepth = 0;
    bool keptOnlyThose = false;
};
WindowConfigCount lastWindowConfigCount();

// The offered configurations to keep, as indices in the driver's order: those with neither
// depth nor stencil buffer, when there is at least one and depth is not allowed; all of
// them otherwise, so that a driver without such configurations still gives a window.
struct WindowConfigDepth
{
    int depthBits = 0;
    int stencilBits = 0;
};
std::vector<std::size_t> windowConfigsToKeep(const std::vector<WindowConfigDepth>& offered,
                                             bool depthAllowed);
