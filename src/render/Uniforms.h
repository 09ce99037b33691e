#pragma once
// Uniform uploads by name. Every upload looks its location up again: nothing
// caches locations, so a program may be relinked or swapped at any time and a
// name the program does not declare (location -1) is silently ignored by GL.
#include <GL/glew.h>

#include "math/Math.h"

namespace dusk {

void setUniform(GLuint program, const char* name, int value);
void setUniform(GLuint program, const char* name, float value);
void setUniform(GLuint program, const char* name, const vec3& value);
void setUniform(GLuint program, const char* name, const mat4& value);
void setUniformArray(GLuint program, const char* name, const vec3* values, int count);
void setUniformArray(GLuint program, const char* name, const mat4* values, int count);

}  // namespace dusk
