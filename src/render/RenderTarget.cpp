#include "render/RenderTarget.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/Console.h"

namespace dusk {
namespace {

GLuint makeTexture(int width, int height, GLint internalFormat, GLenum format, GLenum type) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
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

RenderTarget::RenderTarget(int width, int height) : size_{width, height} {
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    colorTexture = makeTexture(width, height, GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE);
    depthTexture = makeTexture(width, height, GL_DEPTH_COMPONENT24, GL_DEPTH_COMPONENT, GL_FLOAT);
    glFramebufferTexture(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, colorTexture, 0);
    glFramebufferTexture(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, depthTexture, 0);
    drawBuffers.push_back(GL_COLOR_ATTACHMENT0);
    glDrawBuffers(static_cast<GLsizei>(drawBuffers.size()), drawBuffers.data());

    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        printLine("Error! FrameBuffer is not complete");
        waitForEnter();
        std::abort();
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

RenderTarget::~RenderTarget() {
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(1, &colorTexture);
    glDeleteTextures(1, &depthTexture);
}

}  // namespace dusk
