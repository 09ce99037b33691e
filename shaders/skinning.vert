#version 330 core
// The kids: GPU skinning with up to four bones per vertex. Writes the same
// varyings as basic.vert, so both share basic.frag.
// Vertex layout of the skinned model: 0 position, 1 texture coordinate,
// 2 normal, 3 bone indices (integer), 4 bone weights.
layout(location = 0) in vec3 vertexPosition;
layout(location = 1) in vec2 vertexUV;
layout(location = 2) in vec3 vertexNormal;
layout(location = 3) in ivec4 boneIds;
layout(location = 4) in vec4 boneWeights;

const int MAX_BONES = 64;

uniform mat4 model;
uniform mat4 view_proj;
uniform mat4 gBones[MAX_BONES];

out vec3 worldPos;
out vec3 worldNormal;
out vec2 texCoord;
out vec3 shadowCoord;
out float rimLight;

// The camera sits where clip x, y and w are all zero: the crossing point of
// three planes given by rows 0, 1 and 3 of view_proj.
vec3 eyePosition(mat4 m) {
    vec4 r0 = vec4(m[0][0], m[1][0], m[2][0], m[3][0]);
    vec4 r1 = vec4(m[0][1], m[1][1], m[2][1], m[3][1]);
    vec4 r3 = vec4(m[0][3], m[1][3], m[2][3], m[3][3]);
    vec3 c13 = cross(r1.xyz, r3.xyz);
    float det = dot(r0.xyz, c13);
    if (abs(det) < 1e-12) {
        return vec3(0.0);
    }
    vec3 sum = r0.w * c13 + r1.w * cross(r3.xyz, r0.xyz) + r3.w * cross(r0.xyz, r1.xyz);
    return -sum / det;
}

mat4 skinMatrix() {
    ivec4 ids = clamp(boneIds, 0, MAX_BONES - 1);
    mat4 skin = gBones[ids.x] * boneWeights.x + gBones[ids.y] * boneWeights.y +
                gBones[ids.z] * boneWeights.z + gBones[ids.w] * boneWeights.w;
    // A vertex no bone moves (all weights 0), or bones not uploaded yet (all
    // zero matrices), would collapse onto the origin: keep the bind pose.
    if (skin[3][3] < 0.5) {
        skin = mat4(1.0);
    }
    return skin;
}

void main() {
    mat4 toWorld = model * skinMatrix();
    vec4 world = toWorld * vec4(vertexPosition, 1.0);
    gl_Position = view_proj * world;
    worldPos = world.xyz;
    worldNormal = mat3(toWorld) * vertexNormal;
    texCoord = vertexUV;
    // Kids receive no shadow-map matrix: a coordinate outside the map makes
    // basic.frag treat them as lit without trusting what "shadowMap" points at.
    shadowCoord = vec3(-1.0);

    // A cool rim along the silhouette lifts the kids off the dark ground.
    vec3 toEye = normalize(eyePosition(view_proj) - world.xyz);
    float facing = clamp(dot(normalize(worldNormal), toEye), 0.0, 1.0);
    rimLight = (1.0 - facing) * (1.0 - facing);
}
