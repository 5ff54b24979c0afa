#pragma once

#include <string>

// What the OpenGL driver says of a renderer, asked through GLX_MESA_query_renderer.
struct RendererKind
{
    bool answered = false;    // the driver said whether it renders on a graphics card
    bool accelerated = false; // what it said
    std::string name;         // its device name, where it gives one
};

// Whether the renderer draws every pixel on the processor: the driver's own answer, or
// where it cannot say, the name of one of Mesa's software renderers (llvmpipe, softpipe, the
// old swrast). The game asks only this, whatever it chooses by the answer.
bool drawsInSoftware(const RendererKind& renderer);

// The renderer of a screen (`display` is an Xlib Display*), asked before any context exists.
RendererKind rendererOfScreen(void* display, int screen);
// The renderer of the OpenGL context current now; nothing is known without one.
RendererKind currentRenderer();
