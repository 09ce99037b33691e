// What a machine without a GPU starts with, and the smaller scene target of a
// render scale below 1.
#include <gtest/gtest.h>

#include <cmath>

#include "render/RenderTarget.h"
#include "render/SoftwareRasterizer.h"

namespace dusk::test {
namespace {

TEST(SoftwareRasterizer, MesasAndOthersSoftwareNamesMatchAndAGpusDoNot) {
    for (const char* software : {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Mesa X11 swrast",
                                 "Software Rasterizer", "LLVMPIPE (LLVM 11.0.1, 128 bits)"}) {
        EXPECT_TRUE(namesSoftwareRasterizer(software)) << software;
    }
    for (const char* gpu : {"NVIDIA GeForce RTX 3060/PCIe/SSE2",
                            "AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0-13-amd64)",
                            "Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "virgl", ""}) {
        EXPECT_FALSE(namesSoftwareRasterizer(gpu)) << gpu;
    }
}

TEST(SceneTargetSize, EachSideIsScaledToTheNearestPixelWithinHalfToFull) {
    using Size = RenderTarget::Size;
    const Size window{1280, 720};
    EXPECT_EQ(RenderTarget::scaledSize(window, 1.0f), window) << "scale 1 is the window itself";
    EXPECT_EQ(RenderTarget::scaledSize(window, 0.75f), (Size{960, 540}));
    EXPECT_EQ(RenderTarget::scaledSize(window, 0.5f), (Size{640, 360}));
    // Halves round up: 1366 * 0.75 = 1024.5, 1279 * 0.5 = 639.5.
    EXPECT_EQ(RenderTarget::scaledSize({1366, 768}, 0.75f), (Size{1025, 576}));
    EXPECT_EQ(RenderTarget::scaledSize({1279, 719}, 0.5f), (Size{640, 360}));
    EXPECT_EQ(RenderTarget::scaledSize({1280, 720}, 0.6f), (Size{768, 432}));
    // Out of range, and a window of one pixel: never an empty target.
    EXPECT_EQ(RenderTarget::scaledSize(window, 0.1f), (Size{640, 360}));
    EXPECT_EQ(RenderTarget::scaledSize(window, 3.0f), window);
    EXPECT_EQ(RenderTarget::scaledSize(window, std::nanf("")), (Size{640, 360}));
    EXPECT_EQ(RenderTarget::scaledSize({1, 1}, 0.5f), (Size{1, 1}));
}

}  // namespace
}  // namespace dusk::test
