#include "platform/DrawingChoices.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>

#include <algorithm>
#include <vector>

// The two functions must stay in the executable's dynamic symbols whatever the build's
// default visibility, or the engine would call the driver's directly.
#define FISHTANK_EXPORTED extern "C" __attribute__((visibility("default")))

namespace
{
bool choicesMade = true;
int samplesAsked = 0;
WindowChoice lastWindow;
PictureChoice lastPictures;
bool ownPicturesOpen = false;

// The next definition after the executable's own: the driver's, or that of a tracing
// library loaded ahead of it, which then sees every call. Should the render system's
// OpenGL library not be in the global scope, it is asked by name.
void* nextDefinition(const char* name)
{
    if (void* next = dlsym(RTLD_NEXT, name))
        return next;
    void* library = dlopen("libGL.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr)
        library = dlopen("libGL.so.1", RTLD_LAZY);
    return library != nullptr ? dlsym(library, name) : nullptr;
}

bool withoutDepth(const WindowConfig& config)
{
    return config.depthBits == 0 && config.stencilBits == 0;
}

// Why a half leaves the driver alone, or empty when it works for a software renderer.
std::string leftAlone(bool made, const RendererKind& renderer)
{
    if (!made)
        return "the game's drawing choices are switched off: left as the driver offers";
    if (drawsInSoftware(renderer))
        return "";
    if (!renderer.answered)
        return "renderer unknown (no GLX_MESA_query_renderer): left as the driver offers";
    return "hardware renderer: left as the driver offers (" + renderer.name + ")";
}
} // namespace

void makeDrawingChoices(bool make)
{
    choicesMade = make;
}

void askForSamples(int samples)
{
    samplesAsked = std::max(0, samples);
}

WindowChoice lastWindowChoice()
{
    return lastWindow;
}

PictureChoice lastPictureChoice()
{
    return lastPictures;
}

OwnPictures::OwnPictures()
{
    ownPicturesOpen = true;
    lastPictures.asked = true;
    lastPictures.made = choicesMade;
    lastPictures.renderer = currentRenderer();
}

OwnPictures::~OwnPictures()
{
    ownPicturesOpen = false;
}

std::string windowChoiceLine(const WindowChoice& choice)
{
    if (!choice.chosen)
        return "Window: the driver was not asked for a window configuration";
    const std::string alone = leftAlone(choice.made, choice.renderer);
    if (!alone.empty())
        return "Window: " + alone;
    const std::string software = "Window: software renderer: " + choice.renderer.name + ": ";
    const std::string offered = std::to_string(choice.offered);
    if (choice.keptOnlyThose)
        return software + "no depth buffer (" + std::to_string(choice.withoutDepth) + " of " +
               offered + " configurations offered have none)";
    if (choice.withoutDepth == 0)
        return software + "a depth buffer all the same (none of the " + offered +
               " configurations offered is without one)";
    return software + "a depth buffer all the same, for the " +
           std::to_string(choice.samplesWanted) + " samples a pixel asked for (no configuration " +
           "without one offers them)";
}

std::string pictureChoiceLine(const PictureChoice& choice)
{
    if (!choice.asked)
        return "Pictures: none of the game's pictures was handed to the driver";
    const std::string alone = leftAlone(choice.made, choice.renderer);
    if (!alone.empty())
        return "Pictures: " + alone;
    return "Pictures: software renderer: " + choice.renderer.name +
           ": the game's 8-bit pictures kept in the byte order handed over (" +
           std::to_string(choice.changed) + " of " + std::to_string(choice.handedOver) +
           " picture levels)";
}

std::vector<std::size_t> windowConfigsToKeep(const std::vector<WindowConfig>& offered,
                                             bool depthAllowed, int samplesWanted)
{
    std::vector<std::size_t> all, depthless;
    bool depthlessHasSamples = false;
    for (std::size_t i = 0; i < offered.size(); ++i)
    {
        all.push_back(i);
        if (!withoutDepth(offered[i]))
            continue;
        depthless.push_back(i);
        depthlessHasSamples = depthlessHasSamples || offered[i].samples >= samplesWanted;
    }
    return depthAllowed || !depthlessHasSamples ? all : depthless;
}

FISHTANK_EXPORTED GLXFBConfig* glXChooseFBConfig(Display* display, int screen,
                                                 const int* attributes, int* count)
{
    using Choose = GLXFBConfig* (*)(Display*, int, const int*, int*);
    static const auto next = reinterpret_cast<Choose>(nextDefinition("glXChooseFBConfig"));
    if (next == nullptr)
    {
        *count = 0;
        return nullptr;
    }
    GLXFBConfig* configs = next(display, screen, attributes, count);
    WindowChoice choice;
    choice.chosen = true;
    choice.made = choicesMade;
    choice.samplesWanted = samplesAsked;
    choice.renderer = choicesMade ? rendererOfScreen(display, screen) : RendererKind{};
    if (configs == nullptr || *count <= 0 || !drawsInSoftware(choice.renderer))
    {
        lastWindow = choice;
        return configs;
    }

    std::vector<WindowConfig> offered(static_cast<std::size_t>(*count));
    for (std::size_t i = 0; i < offered.size(); ++i)
    {
        glXGetFBConfigAttrib(display, configs[i], GLX_DEPTH_SIZE, &offered[i].depthBits);
        glXGetFBConfigAttrib(display, configs[i], GLX_STENCIL_SIZE, &offered[i].stencilBits);
        glXGetFBConfigAttrib(display, configs[i], GLX_SAMPLES, &offered[i].samples);
    }
    const std::vector<std::size_t> keep = windowConfigsToKeep(offered, false, samplesAsked);
    choice.offered = *count;
    choice.withoutDepth = int(std::count_if(offered.begin(), offered.end(), withoutDepth));
    choice.keptOnlyThose = int(keep.size()) < *count;
    lastWindow = choice;

    // The list is the driver's own allocation (freed with XFree), so it is narrowed in place.
    for (std::size_t i = 0; i < keep.size(); ++i)
        configs[i] = configs[keep[i]];
    *count = int(keep.size());
    return configs;
}

FISHTANK_EXPORTED void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                                    GLsizei height, GLint border, GLenum format, GLenum type,
                                    const void* pixels)
{
    using TexImage =
        void (*)(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*);
    static const auto next = reinterpret_cast<TexImage>(nextDefinition("glTexImage2D"));
    if (next == nullptr)
        return;
    if (ownPicturesOpen)
    {
        ++lastPictures.handedOver;
        // "RGBA" without a size lets the driver keep 8 bits a channel in the byte order given.
        if (lastPictures.made && internalFormat == GL_RGBA8 && format == GL_BGRA &&
            (type == GL_UNSIGNED_INT_8_8_8_8_REV || type == GL_UNSIGNED_BYTE) &&
            drawsInSoftware(lastPictures.renderer))
        {
            internalFormat = GL_RGBA;
            ++lastPictures.changed;
        }
    }
    next(target, level, internalFormat, width, height, border, format, type, pixels);
}
