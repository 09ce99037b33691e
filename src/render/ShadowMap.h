#pragma once
// The matrices of the directional light's shadow map, recomputed every frame.
// The map is a 4096 x 4096 depth texture covering a box 200 units wide and
// high across the light and 300 deep along it (100 behind the origin, 200 in
// front), so one texel spans about 0.05 units.
#include "math/Math.h"

namespace dusk {

constexpr int shadowMapSize = 4096;

// Orthographic: left -100, right 100, bottom -100, top 100, near -100, far 200.
mat4 lightProjection();
// From the world origin looking along -direction, y up. direction points
// from the scene toward the light; it need not be normalised.
mat4 lightView(const vec3& direction);
// lightProjection() x lightView(direction): the "depth_view_proj" uniform.
mat4 depthViewProjection(const vec3& direction);
// Clip space -1..1 to texture space 0..1 in x, y and depth.
mat4 biasMatrix();
// biasMatrix() x depthViewProjection: the "biasVP" uniform.
mat4 biasViewProjection(const mat4& depthViewProjection);

}  // namespace dusk
