#include "scene/Renderer.h"

#include <gtest/gtest.h>

TEST(DrawsInSoftware, KnowsMesasSoftwareRenderersByName)
{
    EXPECT_TRUE(drawsInSoftware("llvmpipe (LLVM 15.0.6, 256 bits)"));
    EXPECT_TRUE(drawsInSoftware("softpipe"));
    EXPECT_TRUE(drawsInSoftware("Software Rasterizer"));
    EXPECT_TRUE(drawsInSoftware("Mesa X11 swrast"));
    EXPECT_TRUE(drawsInSoftware("LLVMPIPE"));

    EXPECT_FALSE(drawsInSoftware("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
    EXPECT_FALSE(drawsInSoftware("AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49)"));
    EXPECT_FALSE(drawsInSoftware("NVIDIA GeForce GTX 1060/PCIe/SSE2"));
    EXPECT_FALSE(drawsInSoftware(""));
}
