#include "app/HeadlessEngine.h"

#include <Ogre.h>
#include <OgreConfigFile.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>

#include <fstream>
#include <set>

namespace
{
// A picture that is named and sampled but never read or drawn.
class NullTexture : public Ogre::Texture
{
public:
    NullTexture(Ogre::ResourceManager* creator, const Ogre::String& name,
                Ogre::ResourceHandle handle, const Ogre::String& group)
        : Ogre::Texture(creator, name, handle, group)
    {
    }

protected:
    void prepareImpl() override {}
    void loadImpl() override {}
    void createInternalResourcesImpl() override {}
    void freeInternalResourcesImpl() override {}
};

std::set<std::string> materialNames()
{
    std::set<std::string> names;
    auto materials = Ogre::MaterialManager::getSingleton().getResourceIterator();
    while (materials.hasMoreElements())
        names.insert(materials.getNext()->getName());
    return names;
}
} // namespace

Ogre::Resource* NullTextureManager::createImpl(const Ogre::String& name,
                                               Ogre::ResourceHandle handle,
                                               const Ogre::String& group, bool,
                                               Ogre::ManualResourceLoader*,
                                               const Ogre::NameValuePairList*)
{
    return new NullTexture(this, name, handle, group);
}

std::vector<Ogre::MaterialPtr> loadMaterialScript(const std::string& path)
{
    const std::set<std::string> before = materialNames();
    std::ifstream file(path);
    if (!file)
        OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND,
                    "The game's materials are missing: " + path, "loadMaterialScript");
    Ogre::DataStreamPtr script(new Ogre::FileStreamDataStream(&file, false));
    Ogre::MaterialManager::getSingleton().parseScript(script, Ogre::RGN_DEFAULT);
    std::vector<Ogre::MaterialPtr> made;
    for (const std::string& name : materialNames())
        if (before.count(name) == 0)
            made.push_back(Ogre::MaterialManager::getSingleton().getByName(name));
    return made;
}

std::string findMaterialScript(const std::string& resourcesConfig)
{
    Ogre::ConfigFile config;
    try
    {
        config.load(resourcesConfig);
    }
    catch (const Ogre::Exception&)
    {
        return "";
    }
    for (const auto& section : config.getSettingsBySection())
        for (const auto& location : section.second)
        {
            const std::string path = location.second + "/fishtank.material";
            if (std::ifstream(path).good())
                return path;
        }
    return "";
}

void makeBareOverlay(const std::string& name, std::initializer_list<const char*> textAreas)
{
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    Ogre::Overlay* overlay = overlays.create(name);
    auto* panel = static_cast<Ogre::OverlayContainer*>(
        overlays.createOverlayElement("Panel", name + "Panel"));
    for (const char* textArea : textAreas)
    {
        Ogre::OverlayElement* text = overlays.createOverlayElement("TextArea", textArea);
        text->setCaption("from the resources");
        panel->addChild(text);
    }
    overlay->add2D(panel);
}

void makeBareHudOverlays()
{
    makeBareOverlay("HudOverlay", {"BestTextArea", "HintTextArea"});
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    Ogre::Overlay* hud = overlays.getByName("HudOverlay");
    // The sound-off marker and the replay line are strips of their own.
    for (const char* strip : {"SoundOff", "Replay"})
    {
        auto* panel = static_cast<Ogre::OverlayContainer*>(
            overlays.createOverlayElement("Panel", std::string(strip) + "Panel"));
        panel->addChild(overlays.createOverlayElement("TextArea", std::string(strip) + "TextArea"));
        hud->add2D(panel);
    }
    makeBareOverlay("ControlsOverlay", {"ControlsKeysTextArea", "ControlsActionsTextArea"});
    makeBareOverlay("NewBestOverlay", {"NewBestTextArea"});
    makeBareOverlay("NewGameOverlay", {"NewGameTextArea"});
    makeBareOverlay("FameOverlay", {"FameTextArea"});
}

HeadlessWindow::HeadlessWindow(unsigned width, unsigned height)
{
    mName = "HeadlessWindow";
    mWidth = width;
    mHeight = height;
    mActive = true;
}

void HeadlessWindow::resize(unsigned width, unsigned height)
{
    mWidth = width;
    mHeight = height;
}

void HeadlessWindow::setFullscreen(bool full, unsigned width, unsigned height)
{
    mIsFullScreen = full;
    resize(width, height);
}

void HeadlessWindow::getCustomAttribute(const Ogre::String& name, void* data)
{
    if (name == "XDISPLAY")
        *static_cast<void**>(data) = this;
    else if (name == "WINDOW")
        *static_cast<unsigned long*>(data) = 42;
}

HeadlessEngine::HeadlessEngine(const std::string& materialScript, BareOverlays overlays)
{
    root = std::make_unique<Ogre::Root>("", "", "");
    // Cameras need vertex buffers even when nothing is drawn.
    buffers = std::make_unique<Ogre::DefaultHardwareBufferManager>();
    textures = std::make_unique<NullTextureManager>();
    // The water's shaders are declared in the script; without a renderer they stay empty.
    programs = std::make_unique<Ogre::GpuProgramManager>();
    overlaySystem = std::make_unique<Ogre::OverlaySystem>();
    Ogre::MaterialManager::getSingleton().initialise();
    materials = loadMaterialScript(materialScript);
    if (overlays.scoreOverlay)
        makeBareOverlay("ScoreOverlay", {"ScoreTextArea"});
    if (overlays.gameOverOverlay)
        makeBareOverlay("GameOverOverlay", {"GameOverTextArea"});
    if (overlays.hudOverlays)
        makeBareHudOverlays();
}

HeadlessEngine::~HeadlessEngine()
{
    // The scenes go first: their fish and panels use the materials and overlays below.
    std::vector<Ogre::SceneManager*> scenes;
    for (const auto& named : root->getSceneManagers())
        scenes.push_back(named.second);
    for (Ogre::SceneManager* scene : scenes)
        root->destroySceneManager(scene);
    overlaySystem.reset();
    materials.clear();
    programs.reset();
    textures.reset();
    buffers.reset();
    root.reset();
}
