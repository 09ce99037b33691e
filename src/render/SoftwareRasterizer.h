#pragma once
// OpenGL drawn by the processor: Mesa's llvmpipe, softpipe and swrast, and
// the like. Such a machine fills pixels slowly, so it starts with lighter
// graphics defaults.
#include <string>

namespace dusk {

// Whether a GL_RENDERER string names a software rasteriser ("llvmpipe (LLVM
// 15.0.6, 256 bits)", "softpipe", "Software Rasterizer", ...), in any letter
// case. False for a GPU's name and for an empty string.
bool namesSoftwareRasterizer(const std::string& glRenderer);

// GL_RENDERER of the current context; empty without one.
std::string currentRendererName();

}  // namespace dusk
