#include "render/GpuTexture.h"

#include "assets/Image.h"

namespace dusk {

GpuTexture::GpuTexture(const Image& image) : texture_(GlTexture::generate()) {
    // A model is uploaded the first time it is drawn, possibly while the
    // active unit holds another pass's texture (the lit pass's shadow map).
    GLint former = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &former);
    glBindTexture(GL_TEXTURE_2D, texture_.get());
    if (image.loaded()) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, GLsizei(image.width()), GLsizei(image.height()), 0,
                     GL_RGBA, GL_UNSIGNED_BYTE, image.rgba());
    }
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, 9729.0f);  // GL_LINEAR
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, 9729.0f);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(former));
}

void GpuTexture::bind() const {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture_.get());
}

}  // namespace dusk
