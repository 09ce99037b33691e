#include "render/ModelDraw.h"

#include <algorithm>
#include <vector>

#include "render/GpuStaticModel.h"
#include "render/ShaderProgram.h"
#include "render/Uniforms.h"

namespace dusk {

void drawModel(const ShaderProgram& program, const GpuStaticModel& model, const mat4& modelMatrix) {
    glUseProgram(program.id());
    setUniform(program.uniforms().model, modelMatrix);
    setUniform(program.uniforms().colorTexture, 0);
    model.draw();
}

int activeUniformArraySize(GLuint program, const std::string& name) {
    GLint count = 0;
    GLint longest = 0;
    glGetProgramiv(program, GL_ACTIVE_UNIFORMS, &count);
    glGetProgramiv(program, GL_ACTIVE_UNIFORM_MAX_LENGTH, &longest);
    std::vector<GLchar> buffer(static_cast<size_t>(std::max(longest, 1)));
    const std::string arrayName = name + "[0]";
    for (GLint i = 0; i < count; ++i) {
        GLsizei length = 0;
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(program, static_cast<GLuint>(i), static_cast<GLsizei>(buffer.size()),
                           &length, &size, &type, buffer.data());
        const std::string found(buffer.data(), static_cast<size_t>(length));
        if (found == arrayName || found == name) {
            return size;
        }
    }
    return 0;
}

}  // namespace dusk
