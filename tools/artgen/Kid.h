#pragma once
// The kid: a skinned low-poly child about 2.4 units tall, origin between its
// feet, facing +z, with a 19-joint skeleton and a one-second walk cycle.
#include <glm/glm.hpp>
#include <string>
#include <vector>

#include "Canvas.h"
#include "Mesh.h"

namespace artgen {

using glm::mat4;

struct Joint {
    std::string name;
    int parent;         // -1 for the root
    vec3 bindPosition;  // in model space, bind pose (no rotations)
};

struct KidRig {
    std::vector<Joint> joints;
    Mesh mesh;                            // bind pose, influences index joints
    std::vector<float> keyTimes;          // seconds; first 0, last = cycle length
    std::vector<std::vector<mat4>> keys;  // keys[joint][k]: transform relative to the parent

    // Transform of each joint relative to its parent in the bind pose.
    mat4 bindLocal(size_t joint) const;
    // Model-space transforms from parent-relative ones (parents come first).
    std::vector<mat4> globals(const std::vector<mat4>& locals) const;
    // Parent-relative transforms of every joint at key k.
    std::vector<mat4> localsAtKey(size_t k) const;
    // The mesh's positions skinned with the pose of key k.
    std::vector<vec3> skinnedPositions(size_t k) const;
};

constexpr float kWalkCycleSeconds = 1.0f;
constexpr int kWalkKeys = 25;  // 24 steps a second, the last key equal to the first

KidRig buildKid();
// Clothes, skin, face, hair and shoes in one 512 x 512 atlas.
Canvas paintKidAtlas();

}  // namespace artgen
