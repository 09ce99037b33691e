#include "render/Uniforms.h"

namespace dusk {

void setUniform(GLuint program, const char* name, int value) {
    glUniform1i(glGetUniformLocation(program, name), value);
}

void setUniform(GLuint program, const char* name, float value) {
    glUniform1f(glGetUniformLocation(program, name), value);
}

void setUniform(GLuint program, const char* name, const vec3& value) {
    glUniform3f(glGetUniformLocation(program, name), value.x, value.y, value.z);
}

void setUniform(GLuint program, const char* name, const mat4& value) {
    glUniformMatrix4fv(glGetUniformLocation(program, name), 1, GL_FALSE, glm::value_ptr(value));
}

void setUniformArray(GLuint program, const char* name, const vec3* values, int count) {
    glUniform3fv(glGetUniformLocation(program, name), count,
                 reinterpret_cast<const float*>(values));
}

void setUniformArray(GLuint program, const char* name, const mat4* values, int count) {
    glUniformMatrix4fv(glGetUniformLocation(program, name), count, GL_FALSE,
                       reinterpret_cast<const float*>(values));
}

}  // namespace dusk
