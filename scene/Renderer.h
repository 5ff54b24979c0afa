#pragma once

#include <string>

// True when the renderer's name (OpenGL's GL_RENDERER string) is one of Mesa's software
// renderers, which draw every pixel on the processor: llvmpipe, softpipe or the old swrast.
bool drawsInSoftware(const std::string& rendererName);
