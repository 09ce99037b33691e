#include "assets/Animation.h"

#include <cmath>
#include <cstring>

namespace dusk {

float animationTime(float timeSeconds, double ticksPerSecond, double duration) {
    const double rate = ticksPerSecond != 0.0 ? ticksPerSecond : 25.0;
    const float ticks = float(rate) * timeSeconds;
    const float loop = float(duration);
    // A time that is no number, or one too large for float ticks, has no
    // place in the loop: it is taken as time 0 instead of posing every bone
    // with NaN.
    if (!std::isfinite(ticks) || loop == 0.0f || std::isnan(loop)) {
        return 0.0f;
    }
    return float(std::fmod(double(ticks), double(loop)));
}

aiVector3D interpolateVector(const aiVectorKey* keys, unsigned int count, float t) {
    if (count == 1) {
        return keys[0].mValue;
    }
    const KeySegment segment = keySegment(keys, count, t);
    const aiVector3D& start = keys[segment.index].mValue;
    const aiVector3D& end = keys[segment.index + 1].mValue;
    const float f = segment.factor;
    return aiVector3D(start.x + f * (end.x - start.x), start.y + f * (end.y - start.y),
                      start.z + f * (end.z - start.z));
}

aiQuaternion blendRotation(const aiQuaternion& start, const aiQuaternion& end, float factor) {
    aiQuaternion q;
    aiQuaternion::Interpolate(q, start, end, factor);
    q.Normalize();
    return q;
}

aiQuaternion interpolateRotation(const aiQuatKey* keys, unsigned int count, float t) {
    if (count == 1) {
        return keys[0].mValue;
    }
    const KeySegment segment = keySegment(keys, count, t);
    return blendRotation(keys[segment.index].mValue, keys[segment.index + 1].mValue,
                         segment.factor);
}

mat4 rotationMatrix(const aiQuaternion& q) {
    const aiMatrix3x3 r = q.GetMatrix();
    mat4 m(1.0f);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            m[column][row] = r[row][column];
        }
    }
    return m;
}

mat4 channelMatrix(const aiNodeAnim& channel, float t) {
    const aiVector3D position =
        interpolateVector(channel.mPositionKeys, channel.mNumPositionKeys, t);
    const aiVector3D scaling = interpolateVector(channel.mScalingKeys, channel.mNumScalingKeys, t);
    const aiQuaternion rotation =
        interpolateRotation(channel.mRotationKeys, channel.mNumRotationKeys, t);
    mat4 m = rotationMatrix(rotation);
    m[0] *= scaling.x;
    m[1] *= scaling.y;
    m[2] *= scaling.z;
    m[3] = vec4(position.x, position.y, position.z, 1.0f);
    return m;
}

const aiNodeAnim* findChannel(const aiAnimation& animation, const aiString& nodeName) {
    for (unsigned int i = 0; i < animation.mNumChannels; ++i) {
        const aiNodeAnim* channel = animation.mChannels[i];
        if (channel->mNodeName.length == nodeName.length &&
            std::memcmp(channel->mNodeName.data, nodeName.data, nodeName.length) == 0) {
            return channel;
        }
    }
    return nullptr;
}

bool canAnimate(const aiScene* scene) {
    if (scene == nullptr || scene->mRootNode == nullptr || scene->mNumAnimations == 0 ||
        scene->mAnimations == nullptr || scene->mAnimations[0] == nullptr) {
        return false;
    }
    const aiAnimation& animation = *scene->mAnimations[0];
    if (animation.mNumChannels > 0 && animation.mChannels == nullptr) {
        return false;
    }
    for (unsigned int i = 0; i < animation.mNumChannels; ++i) {
        const aiNodeAnim* channel = animation.mChannels[i];
        if (channel == nullptr || channel->mNumPositionKeys == 0 ||
            channel->mNumRotationKeys == 0 || channel->mNumScalingKeys == 0) {
            return false;
        }
    }
    return true;
}

}  // namespace dusk
