#include "audio/SoundBuffer.h"

#include <sndfile.h>

#include "base/Console.h"

namespace dusk::audio {

namespace {

// Bounds the memory a damaged header can ask for.
constexpr sf_count_t kLongestSeconds = 600;

}  // namespace

bool decodeSound(const std::string& path, DecodedSound& sound, std::string& error) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        error = sf_strerror(nullptr);
        return false;
    }
    if (info.channels != 1 && info.channels != 2) {
        error = "the file has " + std::to_string(info.channels) +
                " channels; a sound is mono or stereo";
    } else if (info.frames <= 0) {
        error = "the file holds no sound";
    } else if (info.samplerate <= 0 || info.frames / info.samplerate > kLongestSeconds) {
        error = "the file is longer than a sound can be (" + std::to_string(kLongestSeconds) +
                " seconds)";
    } else {
        sound.samples.resize(static_cast<size_t>(info.frames) * info.channels);
        const sf_count_t read = sf_readf_short(file, sound.samples.data(), info.frames);
        if (read <= 0) {
            error = "the file's sound cannot be read";
        }
        sound.samples.resize(static_cast<size_t>(read > 0 ? read : 0) * info.channels);
        sound.channels = info.channels;
        sound.sampleRate = info.samplerate;
    }
    sf_close(file);
    return error.empty();
}

SoundBuffer::SoundBuffer(const std::string& path) {
    DecodedSound sound;
    std::string error;
    if (!decodeSound(path, sound, error)) {
        printLine("Error loading sound '" + path + "': " + error);
        return;
    }
    alGetError();
    alGenBuffers(1, &buffer);
    alBufferData(buffer, sound.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16,
                 sound.samples.data(), static_cast<ALsizei>(sound.samples.size() * sizeof(short)),
                 sound.sampleRate);
    if (alGetError() != AL_NO_ERROR) {
        printLine("Error loading sound '" + path + "': the sound device refused its samples");
        alDeleteBuffers(1, &buffer);
        buffer = 0;
    }
}

SoundBuffer::~SoundBuffer() {
    if (buffer != 0) {
        alDeleteBuffers(1, &buffer);
    }
}

}  // namespace dusk::audio
