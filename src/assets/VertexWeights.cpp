#include "assets/VertexWeights.h"

namespace dusk {

bool VertexWeights::add(uint32_t boneId, float weight) {
    for (int slot = 0; slot < 4; ++slot) {
        // A slot whose weight is exactly 0 is free, even when an influence
        // of weight 0 was written into it before.
        if (weights[slot] == 0.0f) {
            boneIds[slot] = boneId;
            weights[slot] = weight;
            return true;
        }
    }
    return false;
}

}  // namespace dusk
