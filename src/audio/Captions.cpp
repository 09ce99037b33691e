#include "audio/Captions.h"

#include <algorithm>
#include <cmath>

namespace dusk::audio {

const char* directionWord(const ListenerPose& listener, const vec3& source) {
    // The listener's right lies on the ground plane for any upright pose;
    // "ahead" is the way it looks, flattened onto that plane.
    const vec3 right = glm::cross(listener.forward, listener.up);
    const vec3 ahead = glm::cross(vec3(0.0f, 1.0f, 0.0f), right);
    const vec3 offset = source - listener.position;
    const float across = glm::dot(offset, right);
    const float along = glm::dot(offset, ahead);
    if (std::fabs(across) <= std::fabs(along)) {
        return along >= 0.0f ? "ahead" : "behind you";
    }
    return across > 0.0f ? "right" : "left";
}

std::string captionText(const HeardSound& sound, const ListenerPose& listener) {
    switch (sound.kind) {
        case HeardSound::Kind::Footsteps:
            return std::string("[footsteps, ") + directionWord(listener, sound.position) + "]";
        case HeardSound::Kind::Shriek:
            return std::string("[a kid shrieks, ") + directionWord(listener, sound.position) + "]";
        case HeardSound::Kind::Heartbeat:
            return "[your heartbeat]";
        default:
            return "[you scream]";
    }
}

bool footstepsAudible(const ListenerPose& listener, const vec3& position) {
    return glm::distance(listener.position, position) <= hearingDistance(stepReferenceDistance);
}

void Captions::hear(const std::vector<HeardSound>& sounds, const ListenerPose& listener) {
    for (const HeardSound& sound : sounds) {
        if (sound.kind != HeardSound::Kind::Footsteps ||
            footstepsAudible(listener, sound.position)) {
            add(captionText(sound, listener));
        }
    }
}

void Captions::add(const std::string& text) {
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const Entry& entry) { return entry.text == text; }),
                  entries.end());
    entries.push_back({text, 0.0f});
    while (entries.size() > capacity) {
        entries.pop_front();
    }
}

void Captions::advance(float dt) {
    for (Entry& entry : entries) {
        entry.age += dt;
    }
    entries.erase(
        std::remove_if(entries.begin(), entries.end(),
                       [](const Entry& entry) { return entry.age >= holdTime + fadeTime; }),
        entries.end());
}

std::vector<Captions::Line> Captions::lines() const {
    std::vector<Line> shown;
    for (const Entry& entry : entries) {
        const float fading = (entry.age - holdTime) / fadeTime;
        shown.push_back({entry.text, std::clamp(1.0f - fading, 0.0f, 1.0f)});
    }
    return shown;
}

}  // namespace dusk::audio
