#include "audio/AudioDevice.h"

#include <AL/al.h>
#include <alsa/asoundlib.h>

#include <cstdlib>

namespace dusk::audio {

namespace {

void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// OpenAL Soft reads ALSOFT_LOGLEVEL when it first initialises; ALSA prints
// through a process-wide handler (OpenAL Soft loads the same libasound).
void quietLibraryLogs() {
    if (std::getenv("ALSOFT_LOGLEVEL") != nullptr) {
        return;
    }
    setenv("ALSOFT_LOGLEVEL", "0", 0);
    snd_lib_error_set_handler(ignoreAlsaMessage);
}

}  // namespace

AudioDevice::AudioDevice() {
    quietLibraryLogs();
    device = alcOpenDevice(nullptr);
    if (device == nullptr) {
        return;
    }
    context = alcCreateContext(device, nullptr);
    if (context == nullptr || alcMakeContextCurrent(context) != ALC_TRUE) {
        if (context != nullptr) {
            alcDestroyContext(context);
            context = nullptr;
        }
        alcCloseDevice(device);
        device = nullptr;
        return;
    }
    alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
}

AudioDevice::~AudioDevice() {
    if (context != nullptr) {
        if (alcGetCurrentContext() == context) {
            alcMakeContextCurrent(nullptr);
        }
        alcDestroyContext(context);
    }
    if (device != nullptr) {
        alcCloseDevice(device);
    }
}

void AudioDevice::placeListener(const ListenerPose& pose) {
    const ALfloat orientation[6] = {pose.forward.x, pose.forward.y, pose.forward.z,
                                    pose.up.x,      pose.up.y,      pose.up.z};
    alListener3f(AL_POSITION, pose.position.x, pose.position.y, pose.position.z);
    alListenerfv(AL_ORIENTATION, orientation);
}

void AudioDevice::setMasterGain(float gain) { alListenerf(AL_GAIN, gain); }

}  // namespace dusk::audio
