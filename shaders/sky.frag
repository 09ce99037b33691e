#version 330 core
// The sky box: its texture unlit. Toward the horizon it fades into the fog
// colour of basic.frag, so fogged trees meet the sky without a seam.
in vec3 worldPos;
in vec2 texCoord;

uniform sampler2D color_texture;
// Shared by all programs; the sky is unlit.
uniform vec3 lightDir;
uniform vec3 pLightPos[10];
uniform int pLightCount;

layout(location = 0) out vec4 fragColor;

const vec3 FOG_COLOR = vec3(0.17, 0.16, 0.25);

void main() {
    vec3 sky = texture(color_texture, texCoord).rgb;
    // The box is centred on the world origin and far larger than the play area.
    float elevation = normalize(worldPos).y;
    float haze = 1.0 - smoothstep(-0.02, 0.22, elevation);
    fragColor = vec4(mix(sky, FOG_COLOR, 0.85 * haze), 1.0);
}
