#include "audio/SoundFrame.h"

namespace dusk::audio {

ListenerPose poseFromView(const mat4& view) {
    // The rows of the rotation are the camera's right, up and backward axes.
    const vec3 right(view[0][0], view[1][0], view[2][0]);
    const vec3 up(view[0][1], view[1][1], view[2][1]);
    const vec3 back(view[0][2], view[1][2], view[2][2]);
    const vec3 t(view[3]);
    ListenerPose pose;
    pose.position = -(right * t.x + up * t.y + back * t.z);
    pose.forward = -back;
    pose.up = up;
    return pose;
}

}  // namespace dusk::audio
