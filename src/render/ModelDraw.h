#pragma once
#include <GL/glew.h>

#include <string>

#include "math/Math.h"

namespace dusk {

class GpuStaticModel;
class ShaderProgram;

// Draws one static model with the program at the matrix ("model",
// "color_texture" on unit 0).
void drawModel(const ShaderProgram& program, const GpuStaticModel& model, const mat4& modelMatrix);

// The declared size of a uniform array that is active in the program (GL
// names it "name[0]"); 1 for an active plain uniform; 0 when not active.
int activeUniformArraySize(GLuint program, const std::string& name);

}  // namespace dusk
