#pragma once
#include <GL/glew.h>

namespace dusk {

// The shadow map: a square 16-bit depth texture (linear, clamped, compared
// with LEQUAL) in a framebuffer of its own. Both GL names are freed with it.
class ShadowTarget {
public:
    // A side the driver refuses prints "error: Frame Buffer not completed".
    explicit ShadowTarget(int side);
    ~ShadowTarget();
    ShadowTarget(const ShadowTarget&) = delete;
    ShadowTarget& operator=(const ShadowTarget&) = delete;

    // Gives the texture a new side (its contents are undefined until drawn).
    void resize(int newSide);
    int side() const { return side_; }

    GLuint framebuffer = 0;
    GLuint depthTexture = 0;

private:
    int side_ = 0;
};

}  // namespace dusk
