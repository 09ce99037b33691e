#pragma once
#include <cstdint>

namespace dusk {

// Per-vertex bone influences as the GPU reads them (32 bytes). A slot is free
// while its weight is exactly 0.0.
struct VertexWeights {
    uint32_t boneIds[4] = {0, 0, 0, 0};
    float weights[4] = {0.0f, 0.0f, 0.0f, 0.0f};

    // Puts the influence into the first free slot; false (dropped) when all
    // four are taken.
    bool add(uint32_t boneId, float weight);
};

static_assert(sizeof(VertexWeights) == 32, "the skinning layout reads 32-byte records");

}  // namespace dusk
