#include "scene/Renderer.h"

#include <algorithm>
#include <cctype>

bool drawsInSoftware(const std::string& rendererName)
{
    std::string name = rendererName;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    for (const char* software : {"llvmpipe", "softpipe", "software rasterizer", "swrast"})
        if (name.find(software) != std::string::npos)
            return true;
    return false;
}
