#version 330 core
// The full-screen quad of the screen pass: already in clip space.
in vec3 position;
in vec2 uv;

// Shared by all programs; the screen pass needs none of them.
uniform mat4 view_proj;
uniform vec3 lightDir;
uniform vec3 pLightPos[10];
uniform int pLightCount;

out vec2 screenUV;

void main() {
    screenUV = uv;
    gl_Position = vec4(position, 1.0);
}
