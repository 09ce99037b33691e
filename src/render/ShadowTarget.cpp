#include "render/ShadowTarget.h"

#include "base/Console.h"

namespace dusk {

ShadowTarget::ShadowTarget(int side)
    : side_(side), framebuffer_(GlFramebuffer::generate()), depthTexture_(GlTexture::generate()) {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_.get());
    glBindTexture(GL_TEXTURE_2D, depthTexture_.get());
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT16, side, side, 0, GL_DEPTH_COMPONENT,
                 GL_FLOAT, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, GL_LEQUAL);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);
    glFramebufferTexture(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, depthTexture_.get(), 0);
    glDrawBuffer(GL_NONE);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        printLine("error: Frame Buffer not completed");
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void ShadowTarget::resize(int newSide) {
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, depthTexture_.get());
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT16, newSide, newSide, 0, GL_DEPTH_COMPONENT,
                 GL_FLOAT, nullptr);
    glActiveTexture(GL_TEXTURE0);
    side_ = newSide;
}

}  // namespace dusk
