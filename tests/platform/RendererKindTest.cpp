#include "platform/RendererKind.h"

#include <gtest/gtest.h>

TEST(DrawsInSoftware, TheDriversAnswerDecidesAndOnlyWithoutOneTheName)
{
    struct Case
    {
        RendererKind renderer;
        bool software;
    };
    const Case cases[] = {
        // The driver's word, whatever the name says.
        {{true, false, "llvmpipe (LLVM 15.0.6, 256 bits)"}, true},
        {{true, true, "llvmpipe (LLVM 15.0.6, 256 bits)"}, false},
        {{true, false, "Some New Rasterizer"}, true},
        {{true, true, "AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49)"}, false},
        // A driver that cannot say: Mesa's software renderers by name.
        {{false, false, "llvmpipe (LLVM 15.0.6, 256 bits)"}, true},
        {{false, false, "softpipe"}, true},
        {{false, false, "Software Rasterizer"}, true},
        {{false, false, "Mesa X11 swrast"}, true},
        {{false, false, "LLVMPIPE"}, true},
        {{false, false, "Mesa Intel(R) UHD Graphics 620 (KBL GT2)"}, false},
        {{false, false, "AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49)"}, false},
        {{false, false, "NVIDIA GeForce GTX 1060/PCIe/SSE2"}, false},
        {{false, false, ""}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(drawsInSoftware(c.renderer), c.software)
            << c.renderer.name << (c.renderer.answered ? ", answered" : ", no answer");
}
