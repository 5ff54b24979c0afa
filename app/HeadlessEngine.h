#pragma once

#include <OgreDefaultHardwareBufferManager.h>
#include <OgreRenderWindow.h>
#include <OgreTextureManager.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace Ogre
{
class OverlaySystem;
}

// Pictures that are named and sampled but never read or drawn: the game's materials work
// without a render system.
class NullTextureManager : public Ogre::TextureManager
{
public:
    Ogre::PixelFormat getNativeFormat(Ogre::TextureType, Ogre::PixelFormat format, int) override
    {
        return format;
    }

protected:
    Ogre::Resource* createImpl(const Ogre::String& name, Ogre::ResourceHandle handle,
                               const Ogre::String& group, bool, Ogre::ManualResourceLoader*,
                               const Ogre::NameValuePairList*) override;
};

// Parses the material script at the path; returns the materials it made.
std::vector<Ogre::MaterialPtr> loadMaterialScript(const std::string& path);

// The game's material script, found through the resource locations of resources.cfg in the
// working folder; empty when none holds it.
std::string findMaterialScript(const std::string& resourcesConfig);

// An overlay with one panel holding the named text areas, and nothing drawn.
void makeBareOverlay(const std::string& name, std::initializer_list<const char*> textAreas);
// The HUD's overlays beside the score line, bare: best score, hint, sound marker, replay
// line, controls panel, "NEW BEST!" and the way to a new game.
void makeBareHudOverlays();

// A render window with no screen behind it: it keeps a size, and copies nothing.
class HeadlessWindow : public Ogre::RenderWindow
{
public:
    HeadlessWindow(unsigned width, unsigned height);
    void create(const Ogre::String&, unsigned, unsigned, bool,
                const Ogre::NameValuePairList*) override
    {
    }
    void destroy() override {}
    void resize(unsigned width, unsigned height) override;
    void reposition(int, int) override {}
    void setFullscreen(bool full, unsigned width, unsigned height) override;
    bool isClosed() const override { return false; }
    void copyContentsToMemory(const Ogre::Box&, const Ogre::PixelBox&, FrameBuffer) override {}
    bool requiresTextureFlipping() const override { return false; }
    // An X display and window id of its own, which only a platform that compares them reads.
    void getCustomAttribute(const Ogre::String& name, void* data) override;
};

// Which of the game's overlays a headless engine makes bare; all of them unless told.
struct BareOverlays
{
    bool scoreOverlay = true;
    bool gameOverOverlay = true;
    bool hudOverlays = true; // best score, hint, sound marker, replay line, controls, "NEW BEST!"
};

// The engine with no render system and no window, for running the game's rules as fast as
// they go: scene nodes and billboard sets, the game's materials (their pictures named,
// never read) and bare overlays. Made after a log manager, gone before it; scene managers
// made on its root go with it.
class HeadlessEngine
{
public:
    explicit HeadlessEngine(const std::string& materialScript, BareOverlays overlays = {});
    ~HeadlessEngine();
    HeadlessEngine(const HeadlessEngine&) = delete;
    HeadlessEngine& operator=(const HeadlessEngine&) = delete;

    std::unique_ptr<Ogre::Root> root;
    std::unique_ptr<Ogre::DefaultHardwareBufferManager> buffers;
    std::unique_ptr<Ogre::TextureManager> textures;
    std::unique_ptr<Ogre::GpuProgramManager> programs;
    std::unique_ptr<Ogre::OverlaySystem> overlaySystem;
    std::vector<Ogre::MaterialPtr> materials;
};
