#pragma once
#include <GL/glew.h>

#include "render/GlHandle.h"

namespace dusk {

// The shadow map: a square 16-bit depth texture (linear, clamped, compared
// with LEQUAL) in a framebuffer of its own. Both GL names are freed with it.
class ShadowTarget {
public:
    // A side the driver refuses prints "error: Frame Buffer not completed".
    explicit ShadowTarget(int side);

    // Gives the texture a new side (its contents are undefined until drawn).
    void resize(int newSide);
    int side() const { return side_; }
    GLuint framebuffer() const { return framebuffer_.get(); }
    GLuint depthTexture() const { return depthTexture_.get(); }

private:
    int side_ = 0;
    GlFramebuffer framebuffer_;
    GlTexture depthTexture_;
};

}  // namespace dusk
