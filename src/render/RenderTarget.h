#pragma once
#include <GL/glew.h>

#include <vector>

#include "render/GlHandle.h"

namespace dusk {

// The off-screen target of the main pass: an RGBA8 colour texture and a
// 24-bit depth texture of one size, both linear and clamped. A target that
// the driver calls incomplete ends the process (after a message and a wait
// for one character on standard input).
class RenderTarget {
public:
    struct Size {
        int width = 0;
        int height = 0;
        bool operator==(const Size& other) const {
            return width == other.width && height == other.height;
        }
        bool operator!=(const Size& other) const { return !(*this == other); }
    };

    // The target of a scene drawn at scale (clamped to 0.5..1) of a window:
    // each side scaled and rounded to the nearest pixel, at least 1.
    static Size scaledSize(Size window, float scale);

    // Leaves framebuffer 0 bound (and the depth texture bound to the active
    // unit). The three GL objects are freed with the target.
    RenderTarget(int width, int height);

    Size size() const { return size_; }
    GLuint framebuffer() const { return framebuffer_.get(); }
    GLuint colorTexture() const { return colorTexture_.get(); }
    GLuint depthTexture() const { return depthTexture_.get(); }

private:
    Size size_;
    GlFramebuffer framebuffer_;
    GlTexture colorTexture_;
    GlTexture depthTexture_;
};

}  // namespace dusk
