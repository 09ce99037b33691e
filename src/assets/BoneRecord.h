#pragma once
#include "math/Math.h"

namespace dusk {

struct BoneRecord {
    mat4 offsetMatrix{1.0f};
    mat4 finalTransform{1.0f};
};

}  // namespace dusk
