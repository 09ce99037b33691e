#include "render/GlHandle.h"

namespace dusk {

GLuint generateGlName(GlKind kind) {
    GLuint name = 0;
    switch (kind) {
        case GlKind::Buffer:
            glGenBuffers(1, &name);
            break;
        case GlKind::VertexArray:
            glGenVertexArrays(1, &name);
            break;
        case GlKind::Texture:
            glGenTextures(1, &name);
            break;
        case GlKind::Framebuffer:
            glGenFramebuffers(1, &name);
            break;
        case GlKind::Program:
        case GlKind::Shader:
            break;
    }
    return name;
}

void deleteGlName(GlKind kind, GLuint name) {
    if (name == 0) {
        return;
    }
    switch (kind) {
        case GlKind::Buffer:
            glDeleteBuffers(1, &name);
            break;
        case GlKind::VertexArray:
            glDeleteVertexArrays(1, &name);
            break;
        case GlKind::Texture:
            glDeleteTextures(1, &name);
            break;
        case GlKind::Framebuffer:
            glDeleteFramebuffers(1, &name);
            break;
        case GlKind::Program:
            glDeleteProgram(name);
            break;
        case GlKind::Shader:
            glDeleteShader(name);
            break;
    }
}

}  // namespace dusk
