#include "audio/SoundSource.h"

#include "audio/SoundBuffer.h"

namespace dusk::audio {

SoundSource::SoundSource(float referenceDistance) {
    alGenSources(1, &source);
    alSourcef(source, AL_REFERENCE_DISTANCE, referenceDistance);
    // Beyond this the sound keeps the loudness it has there.
    alSourcef(source, AL_MAX_DISTANCE, 60.0f);
}

SoundSource::~SoundSource() {
    alSourceStop(source);
    alDeleteSources(1, &source);
}

void SoundSource::makeRelative() {
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
}

void SoundSource::setLooping(bool looping) {
    alSourcei(source, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
}

void SoundSource::setGain(float gain) { alSourcef(source, AL_GAIN, gain); }

void SoundSource::setPitch(float pitch) { alSourcef(source, AL_PITCH, pitch); }

void SoundSource::place(const vec3& position) {
    alSource3f(source, AL_POSITION, position.x, position.y, position.z);
}

void SoundSource::play(const SoundBuffer& sound) {
    if (!sound.loaded()) {
        return;
    }
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(sound.id()));
    alSourcePlay(source);
}

void SoundSource::stop() { alSourceStop(source); }

bool SoundSource::playing() const {
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

bool SoundSource::pauseIfPlaying() {
    if (!playing()) {
        return false;
    }
    alSourcePause(source);
    return true;
}

void SoundSource::resume() { alSourcePlay(source); }

}  // namespace dusk::audio
