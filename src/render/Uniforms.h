#pragma once
// Uniform uploads into the program in use. The game's programs resolve their
// locations once at link (ShaderProgram::uniforms); the by-name forms look
// the name up on every call, for one-off uploads. A location of -1 (a name
// the program does not declare) is silently ignored by GL.
#include <GL/glew.h>

#include "math/Math.h"

namespace dusk {

void setUniform(GLint location, int value);
void setUniform(GLint location, float value);
void setUniform(GLint location, const vec3& value);
void setUniform(GLint location, const mat4& value);
void setUniformArray(GLint location, const vec3* values, int count);
void setUniformArray(GLint location, const mat4* values, int count);

void setUniform(GLuint program, const char* name, int value);
void setUniform(GLuint program, const char* name, float value);
void setUniform(GLuint program, const char* name, const vec3& value);
void setUniform(GLuint program, const char* name, const mat4& value);
void setUniformArray(GLuint program, const char* name, const vec3* values, int count);
void setUniformArray(GLuint program, const char* name, const mat4* values, int count);

}  // namespace dusk
