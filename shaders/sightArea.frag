#version 330 core
// The half-discs the kids see on the ground: in front of a kid by the rules'
// own test (m00 * dz - m02 * dx > 0) and closer than its sight, all kids in
// one pass so each pixel is tinted once. Drawn with the blend 2 x source x
// destination over the lit ground, so 0.5 leaves a pixel as it is: the tint
// darkens and brightens with the ground's own light and fades into the fog
// with it.
in vec3 worldPos;

uniform int areaCount;
uniform vec4 areas[10];     // each kid: x, z, m00, m02
uniform int seeingMask;     // bit i: kid i sees the player
uniform float sightReach;
uniform vec3 watchingTint;
uniform vec3 seeingTint;

layout(location = 0) out vec4 fragColor;

const float FOG_DENSITY = 0.0115;  // basic.frag's
const float EDGE = 0.35;           // the border's width, in units

void main() {
    bool inside = false;
    bool seeing = false;
    bool border = false;
    for (int i = 0; i < areaCount && i < 10; ++i) {
        vec4 a = areas[i];
        float dx = worldPos.x - a.x;
        float dz = worldPos.z - a.y;
        float ahead = a.z * dz - a.w * dx;
        float dist = sqrt(dx * dx + dz * dz);
        if (ahead > 0.0 && dist < sightReach) {
            inside = true;
            seeing = seeing || ((seeingMask >> i) & 1) != 0;
            border = border || dist > sightReach - EDGE || ahead < EDGE * length(a.zw);
        }
    }
    if (!inside) {
        discard;
    }
    // A band along the rim and the straight edge reads as the area's border.
    vec3 shade = mix(vec3(0.5), seeing ? seeingTint : watchingTint, border ? 1.6 : 1.0);
    float depth = (1.0 / gl_FragCoord.w) * FOG_DENSITY;
    float fog = 1.0 - exp(-depth * depth);
    fragColor = vec4(mix(shade, vec3(0.5), fog), 0.5);
}
