#include "render/ShadowMap.h"

namespace dusk {

mat4 lightProjection() { return ortho(-100.0f, 100.0f, -100.0f, 100.0f, -100.0f, 200.0f); }

mat4 lightView(const vec3& direction) {
    // Straight up or down the y axis the up vector is parallel to the line of
    // sight and lookAt would divide by zero; any horizontal up serves then.
    const vec3 forward = -direction;
    const bool vertical = forward.x == 0.0f && forward.z == 0.0f;
    const vec3 up = vertical ? vec3(0.0f, 0.0f, 1.0f) : vec3(0.0f, 1.0f, 0.0f);
    return lookAt(vec3(0.0f), forward, up);
}

mat4 depthViewProjection(const vec3& direction) { return lightProjection() * lightView(direction); }

mat4 biasMatrix() {
    return mat4(0.5f, 0.0f, 0.0f, 0.0f,   // column 0
                0.0f, 0.5f, 0.0f, 0.0f,   // column 1
                0.0f, 0.0f, 0.5f, 0.0f,   // column 2
                0.5f, 0.5f, 0.5f, 1.0f);  // column 3: the shift to 0..1
}

mat4 biasViewProjection(const mat4& depthViewProjection) {
    return biasMatrix() * depthViewProjection;
}

}  // namespace dusk
