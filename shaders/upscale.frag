#version 330 core
// Below render scale 1, the screen pass's last step: the graded scene scaled
// up to the window, bilinearly. Nothing but the texture read: llvmpipe runs
// such a shader as a fast copy, at about half the cost of any other.
in vec2 screenUV;

uniform sampler2D sceneTexture;

layout(location = 0) out vec4 fragColor;

void main() { fragColor = texture(sceneTexture, screenUV); }
