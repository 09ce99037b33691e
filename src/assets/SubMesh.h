#pragma once
#include <cstdint>

namespace dusk {

// One mesh of an imported file inside the shared vertex and index buffers.
struct SubMesh {
    uint32_t indexCount = 0;     // 3 x the mesh's faces
    uint32_t baseVertex = 0;     // vertices of all earlier meshes
    uint32_t baseIndex = 0;      // indices of all earlier meshes
    uint32_t materialIndex = 0;  // as the importer reports it
};

}  // namespace dusk
