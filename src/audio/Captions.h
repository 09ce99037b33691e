#pragma once
// Captions for what the player hears: "[footsteps, left]", "[a kid shrieks,
// behind you]", "[your heartbeat]", "[you scream]".
//
//   audio::Captions captions;
//   captions.hear(audio.heard(), audio.listener());  // every frame
//   captions.advance(dt);
//   for (const auto& line : captions.lines()) draw(line.text, line.alpha);
#include <deque>
#include <string>
#include <vector>

#include "audio/HeardSound.h"
#include "audio/SoundFrame.h"

namespace dusk::audio {

// Where a sound comes from for a listener, as a caption says it: "ahead",
// "right", "behind you" or "left" (quarters around the way the listener looks,
// judged on the ground plane; "ahead" and "behind you" take their edges).
const char* directionWord(const ListenerPose& listener, const vec3& source);

// The caption of a sound for the listener, in brackets.
std::string captionText(const HeardSound& sound, const ListenerPose& listener);

// Whether a kid's steps at that position are loud enough to caption: within
// the hearing distance of the steps, from the listener.
bool footstepsAudible(const ListenerPose& listener, const vec3& position);

// The last few captions, newest last. A caption whose text is already shown
// is shown again from the start instead of twice; at most `capacity` lines,
// a new one pushes the oldest out. Each line stays `holdTime` seconds, then
// fades over `fadeTime`.
class Captions {
public:
    static constexpr size_t capacity = 3;
    static constexpr float holdTime = 2.0f;
    static constexpr float fadeTime = 0.5f;

    struct Line {
        std::string text;
        float alpha;  // 1 opaque .. 0 gone
    };

    // Captions the sounds (steps beyond hearing are left out).
    void hear(const std::vector<HeardSound>& sounds, const ListenerPose& listener);
    void add(const std::string& text);
    // Ages every line by dt seconds; lines that are gone are dropped.
    void advance(float dt);
    std::vector<Line> lines() const;
    void clear() { entries.clear(); }

private:
    struct Entry {
        std::string text;
        float age;
    };
    std::deque<Entry> entries;
};

}  // namespace dusk::audio
