#pragma once
#include <AL/al.h>

#include "math/Math.h"

namespace dusk::audio {

class SoundBuffer;

// One OpenAL source. Positional by default (placed in the world, heard from
// where it is); a relative one stays at the listener's head (the player's own
// sounds, the ambience). Needs a current context.
class SoundSource {
public:
    // referenceDistance: where distance attenuation begins (units).
    explicit SoundSource(float referenceDistance = 1.0f);
    ~SoundSource();
    SoundSource(const SoundSource&) = delete;
    SoundSource& operator=(const SoundSource&) = delete;

    void makeRelative();
    void setLooping(bool looping);
    void setGain(float gain);
    void setPitch(float pitch);
    void place(const vec3& position);
    // Starts the buffer from its beginning (an empty buffer: nothing).
    void play(const SoundBuffer& sound);
    void stop();
    bool playing() const;
    // Pauses a playing source; true when it was playing (resume it later).
    bool pauseIfPlaying();
    void resume();

private:
    ALuint source = 0;
};

}  // namespace dusk::audio
