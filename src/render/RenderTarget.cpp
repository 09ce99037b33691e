#include "render/RenderTarget.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/Console.h"

namespace dusk {
namespace {

GlTexture makeTexture(int width, int height, GLint internalFormat, GLenum format, GLenum type) {
    GlTexture texture = GlTexture::generate();
    glBindTexture(GL_TEXTURE_2D, texture.get());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format, type, nullptr);
    return texture;
}

int scaledSide(int side, float scale) {
    return std::max(1, static_cast<int>(std::lround(static_cast<double>(side) * scale)));
}

}  // namespace

RenderTarget::Size RenderTarget::scaledSize(Size window, float scale) {
    const float clamped = scale >= 0.5f ? std::min(scale, 1.0f) : 0.5f;  // NaN too
    return {scaledSide(window.width, clamped), scaledSide(window.height, clamped)};
}

RenderTarget::RenderTarget(int width, int height)
    : size_{width, height}, framebuffer_(GlFramebuffer::generate()) {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_.get());
    colorTexture_ = makeTexture(width, height, GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE);
    depthTexture_ = makeTexture(width, height, GL_DEPTH_COMPONENT24, GL_DEPTH_COMPONENT, GL_FLOAT);
    glFramebufferTexture(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, colorTexture_.get(), 0);
    glFramebufferTexture(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, depthTexture_.get(), 0);
    const GLenum drawBuffer = GL_COLOR_ATTACHMENT0;
    glDrawBuffers(1, &drawBuffer);

    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        printLine("Error! FrameBuffer is not complete");
        waitForEnter();
        std::abort();
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

}  // namespace dusk
