#pragma once
#include <GL/glew.h>

#include "render/GlHandle.h"

namespace dusk {

class Image;

// A loaded image as a 2-D RGBA8 texture with linear filters, its top row at
// t = 0. Freed with the object.
class GpuTexture {
public:
    // Uploads the image's pixels (an image that never loaded gives a texture
    // of no size). Leaves the active unit's binding as it found it.
    explicit GpuTexture(const Image& image);

    // Makes unit 0 active and binds the texture.
    void bind() const;
    GLuint name() const { return texture_.get(); }

private:
    GlTexture texture_;
};

}  // namespace dusk
