#pragma once
#include <AL/al.h>

#include <string>
#include <vector>

namespace dusk::audio {

// Samples as read from a sound file: 16-bit, interleaved when stereo.
struct DecodedSound {
    std::vector<short> samples;
    int channels = 0;
    int sampleRate = 0;
};

// Reads a mono or stereo sound file with libsndfile. False, with the reason
// in error, for a missing, unreadable, empty or many-channel file.
bool decodeSound(const std::string& path, DecodedSound& sound, std::string& error);

// One sound in an OpenAL buffer, loaded once. Needs a current context. A file
// that cannot be loaded prints one line ("Error loading sound 'PATH': ...")
// and leaves the buffer empty: playing it does nothing.
class SoundBuffer {
public:
    explicit SoundBuffer(const std::string& path);
    ~SoundBuffer();
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    bool loaded() const { return buffer != 0; }
    ALuint id() const { return buffer; }

private:
    ALuint buffer = 0;
};

}  // namespace dusk::audio
