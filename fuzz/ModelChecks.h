#pragma once
// What a loaded model's GL buffers must satisfy whatever the file held: every
// array as long as the sub-meshes say, and every index inside its own
// sub-mesh's vertices (a draw would otherwise read past the buffers).
#include <GL/glew.h>

#include <array>
#include <vector>

#include "assets/SubMesh.h"
#include "render/GlHandle.h"

namespace dusk::fuzz {

// The vertex array must be bound. floatsPerVertex lists, per attribute
// buffer (slots 1 to n), how many floats one vertex holds there.
void checkModelBuffers(const std::vector<SubMesh>& subMeshes, const std::vector<GLuint>& buffers,
                       const std::vector<int>& floatsPerVertex);

// The names the handles hold, in order.
template <size_t N>
std::vector<GLuint> namesOf(const std::array<GlBuffer, N>& buffers) {
    std::vector<GLuint> names;
    for (const GlBuffer& buffer : buffers) {
        names.push_back(buffer.get());
    }
    return names;
}

}  // namespace dusk::fuzz
