#version 330 core
// Where a kid looks, on the ground: a rectangle around the half-disc of its
// sight, which sightArea.frag trims to the half-disc itself.
// Vertex input 0: the corner, x along the kid's facing (0..1 of the reach),
// y to its side (-1..1), a little beyond so the trimmed edge lies inside.
layout(location = 0) in vec2 corner;

uniform mat4 view_proj;
uniform vec3 kidPos;      // on the ground, under the kid
uniform vec3 kidAxis;     // the kid matrix's first column: (m00, m01, m02)
uniform float sightReach; // the sight distance

out vec3 worldPos;

void main() {
    // Ahead of the kid is (-m02, m00) on the ground, its side (-m00, -m02).
    vec2 ahead = normalize(vec2(-kidAxis.z, kidAxis.x));
    vec2 side = vec2(-ahead.y, ahead.x);
    vec2 at = kidPos.xz + (ahead * corner.x + side * corner.y) * sightReach;
    worldPos = vec3(at.x, kidPos.y, at.y);
    gl_Position = view_proj * vec4(worldPos, 1.0);
}
