#version 330 core
// The half-disc a kid sees on the ground: in front of it by the rules' own
// test (m00 * dz - m02 * dx > 0) and closer than its sight. Drawn with the
// blend 2 x source x destination over the lit ground, so 0.5 leaves a pixel
// as it is: the tint darkens and brightens with the ground's own light and
// fades into the fog with it.
in vec3 worldPos;

uniform vec3 kidPos;
uniform vec3 kidAxis;
uniform float sightReach;
uniform vec3 tint;

layout(location = 0) out vec4 fragColor;

const float FOG_DENSITY = 0.0115;  // basic.frag's

void main() {
    float dx = worldPos.x - kidPos.x;
    float dz = worldPos.z - kidPos.z;
    if (kidAxis.x * dz - kidAxis.z * dx <= 0.0 || sqrt(dx * dx + dz * dz) >= sightReach) {
        discard;
    }
    float depth = (1.0 / gl_FragCoord.w) * FOG_DENSITY;
    float fog = 1.0 - exp(-depth * depth);
    fragColor = vec4(mix(tint, vec3(0.5), fog), 0.5);
}
