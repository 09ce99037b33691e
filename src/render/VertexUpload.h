#pragma once
// Filling the buffers of a vertex array from a model's arrays.
#include <GL/glew.h>

#include <cstdint>
#include <vector>

#include "assets/SubMesh.h"

namespace dusk {

class GpuTexture;

// Fills buffer as GL_ARRAY_BUFFER and points the attribute at location to it:
// tightly packed floats, `components` per vertex.
void uploadFloatAttribute(GLuint buffer, GLuint location, const std::vector<float>& data,
                          GLint components);

// Fills buffer as the element array of the vertex array bound at the moment.
void uploadIndices(GLuint buffer, const std::vector<uint32_t>& indices);

// Binds texture to unit 0 for a sub-mesh of material 0 when there is one;
// every other sub-mesh draws with whatever unit 0 holds.
void bindTextureOf(const SubMesh& sub, const GpuTexture* texture);

}  // namespace dusk
