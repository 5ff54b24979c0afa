// ogre.cfg, the engine's saved render settings, as the game restores and repairs them at
// start, before the dialog: a file left by the player, an older game or another machine.

#include "FuzzCheck.h"
#include "app/RenderSettings.h"
#include "rules/WindowFit.h"

#include <Ogre.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>

namespace
{
// A render system that only keeps settings, with the options the OpenGL one offers and no
// display behind it; like it, it refuses an option it does not have.
class SettingsOnlyRenderSystem : public Ogre::RenderSystem
{
public:
    SettingsOnlyRenderSystem() { offerDefaults(); }

    void offerDefaults()
    {
        mOptions.clear();
        offer("Display Frequency", {"N/A"}, "N/A");
        offer("FSAA", {"0", "2", "4", "8"}, "0");
        offer("Fixed Pipeline Enabled", {"Yes", "No"}, "Yes");
        offer("Full Screen", {"Yes", "No"}, "No");
        offer("RTT Preferred Mode", {"FBO", "PBuffer", "Copy"}, "FBO");
        offer("VSync", {"Yes", "No"}, "Yes");
        // The full-screen modes of a 1366 x 768 screen, its own the default.
        offer("Video Mode", {"640 x  480", "800 x  600", "1024 x  768", "1366 x  768"},
              "1366 x  768");
        offer("sRGB Gamma Conversion", {"Yes", "No"}, "No");
    }

    const Ogre::String& getName() const override
    {
        static const Ogre::String name = "OpenGL Rendering Subsystem";
        return name;
    }
    void setConfigOption(const Ogre::String& name, const Ogre::String& value) override
    {
        auto option = mOptions.find(name);
        if (option == mOptions.end())
            OGRE_EXCEPT(Ogre::Exception::ERR_INVALIDPARAMS,
                        "Option named " + name + " does not exist.",
                        "SettingsOnlyRenderSystem::setConfigOption");
        option->second.currentValue = value;
    }
    Ogre::String validateConfigOptions() override { return ""; }

    // Nothing is ever drawn.
    Ogre::HardwareOcclusionQuery* createHardwareOcclusionQuery() override { return nullptr; }
    Ogre::RenderSystemCapabilities* createRenderSystemCapabilities() const override
    {
        return nullptr;
    }
    Ogre::MultiRenderTarget* createMultiRenderTarget(const Ogre::String&) override
    {
        return nullptr;
    }
    void _setSampler(size_t, Ogre::Sampler&) override {}
    void _setTexture(size_t, bool, const Ogre::TexturePtr&) override {}
    void setColourBlendState(const Ogre::ColourBlendState&) override {}
    void _setAlphaRejectSettings(Ogre::CompareFunction, unsigned char, bool) override {}
    Ogre::DepthBuffer* _createDepthBufferFor(Ogre::RenderTarget*) override { return nullptr; }
    void _endFrame() override {}
    void _setViewport(Ogre::Viewport*) override {}
    void _setCullingMode(Ogre::CullingMode) override {}
    void _setDepthBufferParams(bool, bool, Ogre::CompareFunction) override {}
    void _setDepthBias(float, float) override {}
    void _convertProjectionMatrix(const Ogre::Matrix4& matrix, Ogre::Matrix4& dest, bool) override
    {
        dest = matrix;
    }
    void _setPolygonMode(Ogre::PolygonMode) override {}
    void setStencilCheckEnabled(bool) override {}
    void setStencilBufferParams(Ogre::CompareFunction, Ogre::uint32, Ogre::uint32, Ogre::uint32,
                                Ogre::StencilOperation, Ogre::StencilOperation,
                                Ogre::StencilOperation, bool, bool) override
    {
    }
    void bindGpuProgramParameters(Ogre::GpuProgramType, const Ogre::GpuProgramParametersPtr&,
                                  Ogre::uint16) override
    {
    }
    void setScissorTest(bool, const Ogre::Rect&) override {}
    void clearFrameBuffer(unsigned, const Ogre::ColourValue&, Ogre::Real, unsigned short) override
    {
    }
    Ogre::Real getHorizontalTexelOffset() override { return 0; }
    Ogre::Real getVerticalTexelOffset() override { return 0; }
    Ogre::Real getMinimumDepthInputValue() override { return -1; }
    Ogre::Real getMaximumDepthInputValue() override { return 1; }
    void _setRenderTarget(Ogre::RenderTarget*) override {}
    void beginProfileEvent(const Ogre::String&) override {}
    void endProfileEvent() override {}
    void markProfileEvent(const Ogre::String&) override {}
    void initialiseFromRenderSystemCapabilities(Ogre::RenderSystemCapabilities*,
                                                Ogre::RenderTarget*) override
    {
    }

private:
    void offer(const char* name, std::initializer_list<const char*> values, const char* chosen)
    {
        Ogre::ConfigOption& option = mOptions[name];
        option.name = name;
        option.possibleValues.assign(values.begin(), values.end());
        option.currentValue = chosen;
        option.immutable = false;
    }
};

// The engine and the one file it restores from, made once: kept for the process's life.
struct Engine
{
    std::filesystem::path folder;
    std::string settingsFile;
    Ogre::LogManager logs;
    Ogre::Root* root = nullptr;
    SettingsOnlyRenderSystem renderer;
};
Engine* engine = nullptr;

void removeFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(engine->folder, ignored);
}

bool offered(const Ogre::ConfigOption& option)
{
    const Ogre::StringVector& values = option.possibleValues;
    return std::find(values.begin(), values.end(), option.currentValue) != values.end();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    engine = new Engine;
    // The file is written for every input: in memory where the system offers a folder there.
    std::error_code error;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string pattern = (base / "fuzz_render_settings.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    engine->folder = pattern;
    engine->settingsFile = pattern + "/ogre.cfg";
    std::atexit(removeFolder);
    engine->logs.createLog("fuzz_render_settings.log", true, false, true);
    engine->root = new Ogre::Root("", engine->settingsFile, "");
    engine->root->addRenderSystem(&engine->renderer);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    engine->renderer.offerDefaults();
    std::ofstream(engine->settingsFile, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    restoreRenderSettings(*engine->root, engine->settingsFile);

    fuzzCheck(engine->root->getRenderSystem() == &engine->renderer,
              "the one render system there is is the one used");
    const Ogre::ConfigOptionMap& options = engine->renderer.getConfigOptions();
    const bool windowed = options.at("Full Screen").currentValue != "Yes";
    for (const auto& [name, option] : options)
        if (name != "Video Mode" || !windowed)
            fuzzCheck(offered(option), "every setting left is one the render system offers");
    fuzzCheck(options.at("Fixed Pipeline Enabled").currentValue == "Yes",
              "the fixed-function pipeline is on");
    fuzzCheck(options.at("sRGB Gamma Conversion").currentValue == "No",
              "sRGB gamma conversion is off");
    if (windowed)
    {
        // The size the window is fitted to the screen by is the one the repair let through.
        const std::string& mode = options.at("Video Mode").currentValue;
        fuzzCheck(isWindowSize(mode), "a window's size is one the engine can make");
        const PixelSize asked = windowSizeOf(mode);
        fuzzCheck(asked.width >= 1 && asked.width <= kLargestWindow && asked.height >= 1 &&
                      asked.height <= kLargestWindow,
                  "a window's size reads as the size it was checked as");
        const PixelSize fitted = fittedWindow(asked, PixelSize{1280, 720});
        fuzzCheck(fitted.width >= 1 && fitted.width <= 1280 && fitted.height >= 1 &&
                      fitted.height <= 720,
                  "a window is fitted to the screen");
    }
    return 0;
}
