#include "render/Uniforms.h"

namespace dusk {

void setUniform(GLint location, int value) { glUniform1i(location, value); }

void setUniform(GLint location, float value) { glUniform1f(location, value); }

void setUniform(GLint location, const vec3& value) {
    glUniform3f(location, value.x, value.y, value.z);
}

void setUniform(GLint location, const mat4& value) {
    glUniformMatrix4fv(location, 1, GL_FALSE, glm::value_ptr(value));
}

void setUniformArray(GLint location, const vec3* values, int count) {
    glUniform3fv(location, count, reinterpret_cast<const float*>(values));
}

void setUniformArray(GLint location, const mat4* values, int count) {
    glUniformMatrix4fv(location, count, GL_FALSE, reinterpret_cast<const float*>(values));
}

void setUniform(GLuint program, const char* name, int value) {
    setUniform(glGetUniformLocation(program, name), value);
}

void setUniform(GLuint program, const char* name, float value) {
    setUniform(glGetUniformLocation(program, name), value);
}

void setUniform(GLuint program, const char* name, const vec3& value) {
    setUniform(glGetUniformLocation(program, name), value);
}

void setUniform(GLuint program, const char* name, const mat4& value) {
    setUniform(glGetUniformLocation(program, name), value);
}

void setUniformArray(GLuint program, const char* name, const vec3* values, int count) {
    setUniformArray(glGetUniformLocation(program, name), values, count);
}

void setUniformArray(GLuint program, const char* name, const mat4* values, int count) {
    setUniformArray(glGetUniformLocation(program, name), values, count);
}

}  // namespace dusk
