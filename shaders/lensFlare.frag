#version 330 core
// The screen pass: shows the scene target. As health falls the picture
// drains of colour and a dark red closes in from the edges. The transparency
// switch adds a dusk grade and a soft vignette.
in vec2 screenUV;

uniform sampler2D sceneTexture;
uniform float healthPercentage;
uniform int transparencyFlag;

layout(location = 0) out vec4 fragColor;

const vec3 BLOOD = vec3(0.32, 0.015, 0.02);

vec3 duskGrade(vec3 c, float radius) {
    float luma = dot(c, vec3(0.299, 0.587, 0.114));
    // Shadows lean violet-blue, highlights warm; a touch more contrast.
    vec3 tint = mix(vec3(0.86, 0.90, 1.14), vec3(1.10, 1.00, 0.84), smoothstep(0.1, 0.6, luma));
    c = clamp((c * tint - 0.5) * 1.08 + 0.5, 0.0, 1.0);
    return c * (1.0 - 0.5 * smoothstep(0.45, 1.45, radius));
}

void main() {
#ifdef FULL_HEALTH_ONE_TO_ONE
    // Built for Fast and Low at full health: the pass's viewport is the scene
    // target's size, so each pixel shows its own texel, and the hurt step
    // below would change nothing.
    vec3 c = texelFetch(sceneTexture, ivec2(gl_FragCoord.xy), 0).rgb;
#else
    vec3 c = texture(sceneTexture, screenUV).rgb;
#endif
    vec2 p = screenUV * 2.0 - 1.0;
    float radius = length(p);
    if (transparencyFlag != 0) {
        c = duskGrade(c, radius);
    }

#ifndef FULL_HEALTH_ONE_TO_ONE
    float hurt = 1.0 - clamp(healthPercentage, 0.0, 1.0);
    float luma = dot(c, vec3(0.299, 0.587, 0.114));
    c = mix(c, vec3(luma), hurt);
    // Full health: the ring starts beyond the corners (radius 1.41).
    float inner = mix(1.6, 0.3, hurt);
    float edge = smoothstep(inner, inner + 0.45, radius);
    c = mix(c, BLOOD, edge);
#endif
    fragColor = vec4(c, 1.0);
}
