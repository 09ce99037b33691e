#pragma once
#include <GL/glew.h>

#include <vector>

namespace dusk {

// The off-screen target of the main pass: an RGBA8 colour texture and a
// 24-bit depth texture of one size, both linear and clamped. A target that
// the driver calls incomplete ends the process (after a message and a wait
// for one character on standard input).
class RenderTarget {
public:
    RenderTarget(int width, int height);
    ~RenderTarget();
    RenderTarget(const RenderTarget&) = delete;
    RenderTarget& operator=(const RenderTarget&) = delete;

    GLuint framebuffer = 0;
    GLuint colorTexture = 0;
    GLuint depthTexture = 0;
    std::vector<GLenum> drawBuffers;
};

}  // namespace dusk
