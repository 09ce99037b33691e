#pragma once
// What a loaded model's GL buffers must satisfy whatever the file held: every
// array as long as the sub-meshes say, and every index inside its own
// sub-mesh's vertices (a draw would otherwise read past the buffers).
#include <GL/glew.h>

#include <vector>

#include "assets/SubMesh.h"

namespace dusk::fuzz {

// The vertex array must be bound. floatsPerVertex lists, per attribute
// buffer (slots 1 to n), how many floats one vertex holds there.
void checkModelBuffers(const std::vector<SubMesh>& subMeshes, const GLuint* buffers,
                       const std::vector<int>& floatsPerVertex);

}  // namespace dusk::fuzz
