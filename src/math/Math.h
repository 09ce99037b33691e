#pragma once
// Vector and matrix types of the game. glm's defaults are what we rely on:
// column-major storage (m[c][r]), a default mat4 is the identity, mat4(s) has
// s on the diagonal, right-handed lookAt and perspective with clip depth -1..1.
// tests/math pins these element by element so a configuration change shows.
#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

namespace dusk {

using vec2 = glm::vec2;
using vec3 = glm::vec3;
using vec4 = glm::vec4;
using mat4 = glm::mat4;

using glm::lookAt;
using glm::ortho;
using glm::perspective;
using glm::translate;

}  // namespace dusk
