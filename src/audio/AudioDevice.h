#pragma once
#include <AL/alc.h>

#include "audio/SoundFrame.h"

namespace dusk::audio {

// The default output device with one context, made current. Where there is
// no device (a server, a CI machine) available() is false and nothing else
// happens: no message anywhere. Unless the user has asked for OpenAL Soft's
// log (ALSOFT_LOGLEVEL set), OpenAL Soft's and ALSA's own messages are kept
// off standard error.
class AudioDevice {
public:
    AudioDevice();
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    bool available() const { return context != nullptr; }
    // Both need available().
    void placeListener(const ListenerPose& pose);
    void setMasterGain(float gain);

private:
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
};

}  // namespace dusk::audio
