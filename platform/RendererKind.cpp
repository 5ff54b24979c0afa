#include "platform/RendererKind.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#ifndef GLX_RENDERER_DEVICE_ID_MESA
#define GLX_RENDERER_DEVICE_ID_MESA 0x8184
#endif
#ifndef GLX_RENDERER_ACCELERATED_MESA
#define GLX_RENDERER_ACCELERATED_MESA 0x8186
#endif

namespace
{
// A GLX extension function: one defined ahead of the driver (a test's stand-in) first.
void* glxFunction(const char* name)
{
    if (void* defined = dlsym(RTLD_DEFAULT, name))
        return defined;
    return reinterpret_cast<void*>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

bool queriesRenderer(Display* display, int screen)
{
    const char* extensions = display ? glXQueryExtensionsString(display, screen) : nullptr;
    return extensions != nullptr && std::strstr(extensions, "GLX_MESA_query_renderer") != nullptr;
}

std::string nameOrNothing(const char* name)
{
    return name ? name : "";
}

// OpenGL's own name for the current context's renderer, where GLX cannot say more.
std::string currentRendererName()
{
    using GetString = const GLubyte* (*)(GLenum);
    const auto text = reinterpret_cast<GetString>(glxFunction("glGetString"));
    const GLubyte* name = text ? text(GL_RENDERER) : nullptr;
    return nameOrNothing(reinterpret_cast<const char*>(name));
}
} // namespace

bool drawsInSoftware(const RendererKind& renderer)
{
    if (renderer.answered)
        return !renderer.accelerated;
    std::string name = renderer.name;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    for (const char* software : {"llvmpipe", "softpipe", "software rasterizer", "swrast"})
        if (name.find(software) != std::string::npos)
            return true;
    return false;
}

RendererKind rendererOfScreen(void* display_, int screen)
{
    Display* display = static_cast<Display*>(display_);
    RendererKind kind;
    if (!queriesRenderer(display, screen))
        return kind;
    using QueryInteger = Bool (*)(Display*, int, int, int, unsigned*);
    using QueryString = const char* (*)(Display*, int, int, int);
    const auto integer = reinterpret_cast<QueryInteger>(glxFunction("glXQueryRendererIntegerMESA"));
    const auto text = reinterpret_cast<QueryString>(glxFunction("glXQueryRendererStringMESA"));
    unsigned accelerated = 1;
    if (integer == nullptr ||
        !integer(display, screen, 0, GLX_RENDERER_ACCELERATED_MESA, &accelerated))
        return kind;
    kind.answered = true;
    kind.accelerated = accelerated != 0;
    kind.name =
        nameOrNothing(text ? text(display, screen, 0, GLX_RENDERER_DEVICE_ID_MESA) : nullptr);
    return kind;
}

RendererKind currentRenderer()
{
    RendererKind kind;
    Display* display = glXGetCurrentDisplay();
    if (display == nullptr || glXGetCurrentContext() == nullptr)
        return kind;
    using QueryInteger = Bool (*)(int, unsigned*);
    using QueryString = const char* (*)(int);
    const auto integer =
        reinterpret_cast<QueryInteger>(glxFunction("glXQueryCurrentRendererIntegerMESA"));
    const auto text =
        reinterpret_cast<QueryString>(glxFunction("glXQueryCurrentRendererStringMESA"));
    unsigned accelerated = 1;
    if (!queriesRenderer(display, DefaultScreen(display)) || integer == nullptr ||
        !integer(GLX_RENDERER_ACCELERATED_MESA, &accelerated))
    {
        kind.name = currentRendererName();
        return kind;
    }
    kind.answered = true;
    kind.accelerated = accelerated != 0;
    kind.name = nameOrNothing(text ? text(GLX_RENDERER_DEVICE_ID_MESA) : nullptr);
    return kind;
}
