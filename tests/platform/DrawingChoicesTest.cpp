#include "platform/DrawingChoices.h"

#include <gtest/gtest.h>

#include <vector>

using Kept = std::vector<std::size_t>;

TEST(WindowConfigChoice, KeepsConfigsWithoutDepthOnlyWhereThatLosesNothing)
{
    struct Case
    {
        std::vector<WindowConfig> offered;
        bool depthAllowed;
        int samples;
        Kept kept;
    };
    // {depth, stencil, samples}; a stencil buffer alone still counts as one.
    const std::vector<WindowConfig> mixed = {
        {24, 8, 0}, {0, 0, 0}, {0, 8, 0}, {16, 0, 4}, {0, 0, 2}};
    const Case cases[] = {
        {mixed, false, 0, {1, 4}},
        {mixed, true, 0, {0, 1, 2, 3, 4}},
        // The player's smoothing: 2 samples exist without depth, 4 only with it.
        {mixed, false, 2, {1, 4}},
        {mixed, false, 4, {0, 1, 2, 3, 4}},
        // A driver that offers only depth buffers still gives a window.
        {{{24, 8, 0}, {16, 0, 0}, {0, 8, 0}}, false, 0, {0, 1, 2}},
        {{}, false, 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(windowConfigsToKeep(c.offered, c.depthAllowed, c.samples), c.kept)
            << "depth allowed " << c.depthAllowed << ", samples " << c.samples;
}

TEST(WindowConfigChoice, TheLogSaysForEachHalfWhetherItIsOnAndWhy)
{
    const RendererKind llvmpipe{true, false, "llvmpipe (LLVM 15.0.6, 256 bits)"};
    const RendererKind radeon{true, true, "AMD Radeon RX 6600"};
    const RendererKind unknown{};
    WindowChoice window{true, true, llvmpipe, 105, 21, 0, true};
    EXPECT_EQ(windowChoiceLine(window), "Window: software renderer: llvmpipe (LLVM 15.0.6, 256 "
                                        "bits): no depth buffer (21 of 105 configurations "
                                        "offered have none)");
    window.keptOnlyThose = false;
    window.samplesWanted = 8;
    EXPECT_EQ(windowChoiceLine(window),
              "Window: software renderer: llvmpipe (LLVM 15.0.6, 256 bits): a depth buffer all the "
              "same, for the 8 samples a pixel asked for (no configuration without one offers "
              "them)");
    window.renderer = radeon;
    EXPECT_EQ(windowChoiceLine(window),
              "Window: hardware renderer: left as the driver offers (AMD Radeon RX 6600)");
    window.renderer = unknown;
    EXPECT_EQ(windowChoiceLine(window), "Window: renderer unknown (no GLX_MESA_query_renderer): "
                                        "left as the driver offers");

    PictureChoice pictures{true, true, llvmpipe, 40, 2};
    EXPECT_EQ(pictureChoiceLine(pictures),
              "Pictures: software renderer: llvmpipe (LLVM 15.0.6, 256 bits): the game's 8-bit "
              "pictures kept in the byte order handed over (2 of 40 picture levels)");
    pictures.made = false;
    EXPECT_EQ(pictureChoiceLine(pictures),
              "Pictures: the game's drawing choices are switched off: left as the driver offers");
}
