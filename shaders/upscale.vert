#version 330 core
// The full-screen quad of the upscale: already in clip space, the texture
// coordinate taken from the corner.
in vec3 position;

out vec2 screenUV;

void main() {
    screenUV = position.xy * 0.5 + 0.5;
    gl_Position = vec4(position, 1.0);
}
