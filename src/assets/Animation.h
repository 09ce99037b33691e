#pragma once
// The pieces of skeletal animation that need no GL and no model: looping
// time, key search, interpolation of vectors and rotations, and a channel's
// local matrix. SkinnedModel::boneTransforms puts them together.
#include <assimp/anim.h>
#include <assimp/scene.h>

#include "math/Math.h"

namespace dusk {

// Where a time falls among a channel's keys: the segment from key `index` to
// key `index + 1`, and how far along it (0 at key index, 1 at the next key).
struct KeySegment {
    unsigned int index = 0;
    float factor = 0.0f;
};

// The looping animation time in ticks for a clock time in seconds. Files that
// give 0 ticks per second run at 25. The product is taken in float and the
// remainder in double from float operands, as the animation has always been
// timed. A duration of 0 has no loop to run through: time 0. So is a time
// that is not finite (NaN, infinity) or that overflows the float ticks.
float animationTime(float timeSeconds, double ticksPerSecond, double duration);

// The segment for time t among count >= 2 keys: the first segment whose end
// key lies after t; when t is at or past the last key, segment 0 all the same.
// The factor is not clamped, so the fallback and times before the first key
// extrapolate along their segment. Two keys at the same time give factor 0
// instead of a division by zero.
template <typename Key>
KeySegment keySegment(const Key* keys, unsigned int count, float t) {
    KeySegment segment;
    for (unsigned int i = 0; i + 1 < count; ++i) {
        if (t < float(keys[i + 1].mTime)) {
            segment.index = i;
            break;
        }
    }
    const unsigned int i = segment.index;
    const float span = float(keys[i + 1].mTime - keys[i].mTime);
    segment.factor = span != 0.0f ? (t - float(keys[i].mTime)) / span : 0.0f;
    return segment;
}

// Position or scaling at t: the single key's value, or the straight line
// through the segment's two keys (per component, in float).
aiVector3D interpolateVector(const aiVectorKey* keys, unsigned int count, float t);

// aiQuaternion::Interpolate (the end negated when the two lie on opposite
// sides, linear blending for nearly equal ones) followed by Normalize.
aiQuaternion blendRotation(const aiQuaternion& start, const aiQuaternion& end, float factor);

// Rotation at t: the single key's quaternion as it is (not normalised), or
// blendRotation over the segment.
aiQuaternion interpolateRotation(const aiQuatKey* keys, unsigned int count, float t);

// The rotation matrix of a unit quaternion, as aiQuaternion::GetMatrix.
mat4 rotationMatrix(const aiQuaternion& q);

// The local matrix a channel gives its node at t: translation x rotation x
// scaling, in that order of product (scaling applied first).
mat4 channelMatrix(const aiNodeAnim& channel, float t);

// The first channel of the animation that moves the node with this exact
// name, or null.
const aiNodeAnim* findChannel(const aiAnimation& animation, const aiString& nodeName);

// True when the scene has a root node and a first animation whose every
// channel holds at least one key of each kind: what posing needs.
bool canAnimate(const aiScene* scene);

}  // namespace dusk
