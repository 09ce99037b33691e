#version 330 core
// Static meshes (ground, trees; also the sky box with sky.frag).
// Vertex layout of the static models: 0 position, 1 normal, 2 texture coordinate.
layout(location = 0) in vec3 vertexPosition;
layout(location = 1) in vec3 vertexNormal;
layout(location = 2) in vec2 vertexUV;

uniform mat4 model;
uniform mat4 view_proj;
// World to shadow-map texture space; only the basic program receives it.
uniform mat4 biasVP;

out vec3 worldPos;
out vec3 worldNormal;
out vec2 texCoord;
out vec3 shadowCoord;
// Rim light strength; only the kids have one (skinning.vert).
out float rimLight;

void main() {
    vec4 world = model * vec4(vertexPosition, 1.0);
    gl_Position = view_proj * world;
    worldPos = world.xyz;
    worldNormal = mat3(model) * vertexNormal;
    texCoord = vertexUV;
    // The light's projection is orthographic: w stays 1, no divide needed.
    shadowCoord = (biasVP * world).xyz;
    rimLight = 0.0;
}
