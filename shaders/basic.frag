#version 330 core
// Lit surfaces of the main pass (ground and trees with the basic program, the
// kids with the skinning program): dusk sun with shadows, a bluish sky
// ambient, the kids' lantern glows and a distance fog; on the ground, where
// the kids look.
in vec3 worldPos;
in vec3 worldNormal;
in vec2 texCoord;
in vec3 shadowCoord;
in float rimLight;

uniform sampler2D color_texture;
uniform sampler2D myTextureSampler;
uniform sampler2DShadow shadowMap;
uniform vec3 lightDir;
uniform vec3 pLightPos[10];
uniform int pLightCount;
// Where the kids look: only the ground's draws get a count above 0.
uniform int sightAreaCount;
uniform vec4 sightAreas[10];  // each kid: x, z, m00, m02
uniform int sightSeeingMask;  // bit i: kid i sees the player
uniform float sightReach;

layout(location = 0) out vec4 fragColor;

const vec3 SUN_COLOR = vec3(1.00, 0.66, 0.42);
const vec3 SKY_AMBIENT = vec3(0.20, 0.25, 0.42);
const vec3 GROUND_AMBIENT = vec3(0.10, 0.08, 0.09);
const vec3 LANTERN_COLOR = vec3(1.00, 0.62, 0.26);
const float LANTERN_RANGE_SQ = 7.0 * 7.0;
const vec3 RIM_COLOR = vec3(0.45, 0.55, 0.85);
const vec3 FOG_COLOR = vec3(0.17, 0.16, 0.25);
const float FOG_DENSITY = 0.0115;
const vec3 WATCHING_TINT = vec3(0.62, 0.60, 0.50);  // 0.5 is no change
const vec3 SEEING_TINT = vec3(0.72, 0.36, 0.32);
const float SIGHT_EDGE = 0.35;  // the areas' border band, in units

// Two diagonal linear-compare taps; each already blends 2x2 texels, so the
// pair softens edges over about three texels (one texel is 200 / 4096 = 0.05
// units). Four taps looked barely smoother and made the lit pass about 13%
// dearer on llvmpipe.
float sunVisibility() {
    if (any(greaterThan(abs(shadowCoord.xy - 0.5), vec2(0.5))) || shadowCoord.z > 1.0) {
        return 1.0;  // outside the light's box: nothing there casts shadows
    }
    return 0.5 * (textureOffset(shadowMap, shadowCoord, ivec2(-1, -1)) +
                  textureOffset(shadowMap, shadowCoord, ivec2(1, 1)));
}

// Lantern glows: a smooth window that reaches zero at the range, no normal
// term, so the light pools on the ground around each kid. Built with
// NO_LANTERNS for surfaces no lantern reaches: there every term is exactly
// zero, and the loop, whatever its count, is a good part of the pass.
vec3 lanterns() {
#ifdef NO_LANTERNS
    return vec3(0.0);
#else
    float glow = 0.0;
    for (int i = 0; i < pLightCount && i < 10; ++i) {
        vec3 d = pLightPos[i] - worldPos;
        float fall = max(1.0 - dot(d, d) / LANTERN_RANGE_SQ, 0.0);
        glow += fall * fall;
    }
    return LANTERN_COLOR * (1.4 * glow);
#endif
}

// The half-discs the kids see, as a factor on the fogged ground: in front of
// a kid by the rules' own test (m00 * dz - m02 * dx > 0) and closer than its
// sight. Where areas overlap the ground is tinted once, red when any of them
// sees the player; a band along the rim and the straight edge reads as the
// border. The factor scales the ground's own light, so the tint darkens and
// brightens with it, and fades into the fog with it.
vec3 sightTint(float fog) {
    bool inside = false;
    bool seeing = false;
    bool border = false;
    float reachSq = sightReach * sightReach;
    float innerSq = max(sightReach - SIGHT_EDGE, 0.0);
    innerSq *= innerSq;
    for (int i = 0; i < sightAreaCount && i < 10; ++i) {
        vec4 a = sightAreas[i];
        float dx = worldPos.x - a.x;
        float dz = worldPos.z - a.y;
        float ahead = a.z * dz - a.w * dx;
        float distSq = dx * dx + dz * dz;
        if (ahead > 0.0 && distSq < reachSq) {
            inside = true;
            seeing = seeing || ((sightSeeingMask >> i) & 1) != 0;
            border = border || distSq > innerSq || ahead < SIGHT_EDGE * length(a.zw);
        }
    }
    if (!inside) {
        return vec3(1.0);
    }
    vec3 shade = mix(vec3(0.5), seeing ? SEEING_TINT : WATCHING_TINT, border ? 1.6 : 1.0);
    return mix(2.0 * shade, vec3(1.0), fog);
}

// Built with NO_SIGHT_AREAS for draws that are never tinted: the code above
// is skipped at a count of 0 anyway, but a software rasteriser pays for it
// whether it runs or not.

// Model textures have no mip levels: where one pixel covers several texels
// the texture shimmers. Squeeze its brightness toward a mid tone there.
vec3 calmMinified(vec3 albedo) {
    vec2 texels = texCoord * vec2(textureSize(myTextureSampler, 0));
    vec2 spread = max(abs(dFdx(texels)), abs(dFdy(texels)));
    float footprint = max(spread.x, spread.y);
    float detail = clamp(1.75 - 0.25 * footprint, 0.4, 1.0);
    float luma = max(dot(albedo, vec3(0.299, 0.587, 0.114)), 1e-3);
    return albedo * (mix(0.3, luma, detail) / luma);
}

void main() {
    vec3 albedo = calmMinified(texture(color_texture, texCoord).rgb);
    vec3 n = normalize(worldNormal);
    // A light with no direction yet (all zero) gives no sun rather than NaNs.
    vec3 l = lightDir / max(length(lightDir), 1e-6);

    float sun = max(dot(n, l), 0.0) * sunVisibility();
    vec3 ambient = mix(GROUND_AMBIENT, SKY_AMBIENT, n.y * 0.5 + 0.5);
    vec3 light = ambient + SUN_COLOR * (0.85 * sun) + lanterns();
    vec3 color = albedo * light + RIM_COLOR * (0.5 * rimLight);

    // Clip w is the view depth, and gl_FragCoord.w is its reciprocal.
    float depth = (1.0 / gl_FragCoord.w) * FOG_DENSITY;
    float fog = 1.0 - exp(-depth * depth);
    vec3 fogged = mix(color, FOG_COLOR, fog);
#ifndef NO_SIGHT_AREAS
    if (sightAreaCount > 0) {
        fogged *= sightTint(fog);
    }
#endif
    fragColor = vec4(fogged, 1.0);
}
