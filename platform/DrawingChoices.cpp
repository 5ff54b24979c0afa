#include "platform/DrawingChoices.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>

#include <algorithm>
#include <vector>

namespace
{
bool choicesMade = true;
WindowConfigCount lastCount;

// The driver's own entry point. The engine's render system may load libGL privately, so
// it is looked up in the library itself, not in the order the executable was linked.
void* driverFunction(const char* name)
{
    void* library = dlopen("libGL.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr)
        library = dlopen("libGL.so.1", RTLD_LAZY);
    return library != nullptr ? dlsym(library, name) : nullptr;
}

bool withoutDepth(const WindowConfigDepth& config)
{
    return config.depthBits == 0 && config.stencilBits == 0;
}
} // namespace

void makeDrawingChoices(bool make)
{
    choicesMade = make;
}

WindowConfigCount lastWindowConfigCount()
{
    return lastCount;
}

std::vector<std::size_t> windowConfigsToKeep(const std::vector<WindowConfigDepth>& offered,
                                             bool depthAllowed)
{
    std::vector<std::size_t> all, depthless;
    for (std::size_t i = 0; i < offered.size(); ++i)
    {
        all.push_back(i);
        if (withoutDepth(offered[i]))
            depthless.push_back(i);
    }
    return depthAllowed || depthless.empty() ? all : depthless;
}

extern "C" GLXFBConfig* glXChooseFBConfig(Display* display, int screen, const int* attributes,
                                          int* count)
{
    using Choose = GLXFBConfig* (*)(Display*, int, const int*, int*);
    static const auto driverChoose = reinterpret_cast<Choose>(driverFunction("glXChooseFBConfig"));
    if (driverChoose == nullptr)
    {
        *count = 0;
        return nullptr;
    }
    GLXFBConfig* configs = driverChoose(display, screen, attributes, count);
    if (configs == nullptr || *count <= 0)
        return configs;

    std::vector<WindowConfigDepth> depths(static_cast<std::size_t>(*count));
    for (std::size_t i = 0; i < depths.size(); ++i)
    {
        glXGetFBConfigAttrib(display, configs[i], GLX_DEPTH_SIZE, &depths[i].depthBits);
        glXGetFBConfigAttrib(display, configs[i], GLX_STENCIL_SIZE, &depths[i].stencilBits);
    }
    const std::vector<std::size_t> keep = windowConfigsToKeep(depths, !choicesMade);
    const int depthless = int(std::count_if(depths.begin(), depths.end(), withoutDepth));
    lastCount = WindowConfigCount{*count, depthless, choicesMade && depthless > 0};

    // The list is the driver's own allocation (freed with XFree), so it is narrowed in place.
    for (std::size_t i = 0; i < keep.size(); ++i)
        configs[i] = configs[keep[i]];
    *count = int(keep.size());
    return configs;
}

extern "C" void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                             GLsizei height, GLint border, GLenum format, GLenum type,
                             const void* pixels)
{
    using TexImage =
        void (*)(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*);
    static const auto driverTexImage = reinterpret_cast<TexImage>(driverFunction("glTexImage2D"));
    if (driverTexImage == nullptr)
        return;
    // "RGBA" without a size lets the driver keep 8 bits a channel in the byte order given.
    if (choicesMade && internalFormat == GL_RGBA8 && format == GL_BGRA &&
        (type == GL_UNSIGNED_INT_8_8_8_8_REV || type == GL_UNSIGNED_BYTE))
        internalFormat = GL_RGBA;
    driverTexImage(target, level, internalFormat, width, height, border, format, type, pixels);
}
