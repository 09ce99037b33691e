#version 330 core
// Where the kids look, on the ground: one rectangle around every kid's
// half-disc of sight, which sightArea.frag trims to the half-discs.
// Vertex input 0: the corner, 0..1 across the rectangle.
layout(location = 0) in vec2 corner;

uniform mat4 view_proj;
uniform vec4 bounds;        // x and z of the rectangle's least and greatest corner
uniform float groundHeight;

out vec3 worldPos;

void main() {
    vec2 at = mix(bounds.xy, bounds.zw, corner);
    worldPos = vec3(at.x, groundHeight, at.y);
    gl_Position = view_proj * vec4(worldPos, 1.0);
}
