#include "audio/GameAudio.h"

#include <array>
#include <utility>

#include "audio/AudioDevice.h"
#include "audio/SoundBuffer.h"
#include "audio/SoundSource.h"

namespace dusk::audio {

namespace {

enum Sound { kFootstep, kHeartbeat, kScream, kShriek, kAmbience, kWin, kLoss, kSoundCount };

const std::array<const char*, kSoundCount> fileNames = {
    "footstep.wav", "heartbeat.wav", "scream.wav", "shriek.wav", "dusk.wav", "win.wav", "loss.wav"};

// Steps are heard clearly within a few units and fade over the clearing; a
// shriek carries further.
constexpr float kStepReference = stepReferenceDistance;
constexpr float kShriekReference = shriekReferenceDistance;
// The shriek comes from a kid's head, not its feet.
const vec3 kHeadHeight(0.0f, 1.4f, 0.0f);

}  // namespace

// Everything that exists only when there is a device: declared so that the
// sources go before the buffers they play and both before the device.
struct GameAudio::Mix {
    Mix(std::unique_ptr<AudioDevice> opened, const std::string& directory)
        : device(std::move(opened)) {
        for (int s = 0; s < kSoundCount; ++s) {
            buffers[s] = std::make_unique<SoundBuffer>(directory + fileNames[s]);
        }
        for (SoundSource* own : {&voice, &heartbeat, &ambience, &stinger}) {
            own->makeRelative();
        }
        ambience.setLooping(true);
        ambience.setGain(0.6f);
        heartbeat.setGain(0.8f);
        voice.setGain(0.9f);
        stinger.setGain(0.9f);
    }

    const SoundBuffer& sound(Sound s) const { return *buffers[s]; }

    std::vector<SoundSource*> all() {
        std::vector<SoundSource*> list = {&voice, &heartbeat, &ambience, &stinger};
        for (auto& shriek : shrieks) {
            list.push_back(&shriek);
        }
        for (auto& kid : kids) {
            list.push_back(kid.get());
        }
        return list;
    }

    std::unique_ptr<AudioDevice> device;
    std::array<std::unique_ptr<SoundBuffer>, kSoundCount> buffers;
    SoundSource voice;
    SoundSource heartbeat;
    SoundSource ambience;
    SoundSource stinger;
    std::array<SoundSource, 2> shrieks{SoundSource(kShriekReference),
                                       SoundSource(kShriekReference)};
    size_t nextShriek = 0;
    std::vector<std::unique_ptr<SoundSource>> kids;
    std::vector<SoundSource*> paused;
};

GameAudio::GameAudio(const std::string& soundDirectory) {
    // Without a device nothing is loaded, and nothing is said.
    auto device = std::make_unique<AudioDevice>();
    if (device->available()) {
        mix = std::make_unique<Mix>(std::move(device), soundDirectory);
    }
}

GameAudio::~GameAudio() = default;

void GameAudio::update(const SoundFrame& frame) {
    const bool screamPressed = frame.screamKeyDown && !screamKeyWasDown;
    screamKeyWasDown = frame.screamKeyDown;
    heard_.clear();
    listener_ = frame.listener;
    if (mix != nullptr) {
        mix->device->placeListener(frame.listener);
    }
    if (paused || ended) {
        return;
    }
    if (mix != nullptr && !ambienceStarted) {
        mix->ambience.play(mix->sound(kAmbience));
        ambienceStarted = true;
    }
    if (screamPressed) {
        scream();
    }
    updateKids(frame.kids);
    if (heart.advance(frame.seen, frame.health, frame.dt)) {
        heard_.push_back({HeardSound::Kind::Heartbeat, listener_.position});
        if (mix != nullptr) {
            mix->heartbeat.play(mix->sound(kHeartbeat));
        }
    }
}

// One source a kid, each with its own pitch; steps and walking state are kept
// without a device too.
void GameAudio::addKidSources(size_t count) {
    while (strides.size() < count) {
        const size_t i = strides.size();
        strides.emplace_back();
        walking.push_back(false);
        if (mix == nullptr) {
            continue;
        }
        auto source = std::make_unique<SoundSource>(kStepReference);
        // Each kid's steps sound a little different.
        source->setPitch(0.9f + 0.03f * static_cast<float>(i % 7));
        source->setGain(0.9f);
        mix->kids.push_back(std::move(source));
    }
}

void GameAudio::updateKids(const std::vector<KidSound>& kids) {
    addKidSources(kids.size());
    for (size_t i = 0; i < kids.size(); ++i) {
        SoundSource* source = mix != nullptr ? mix->kids[i].get() : nullptr;
        if (source != nullptr) {
            source->place(kids[i].position);
        }
        if (!kids[i].walking) {
            if (walking[i]) {
                if (source != nullptr) {
                    source->stop();
                }
                strides[i].reset();
                walking[i] = false;
            }
            continue;
        }
        walking[i] = true;
        if (strides[i].advance(kids[i].stridePhase)) {
            heard_.push_back({HeardSound::Kind::Footsteps, kids[i].position});
            if (source != nullptr) {
                source->play(mix->sound(kFootstep));
            }
        }
    }
}

void GameAudio::scream() {
    if (paused || ended) {
        return;
    }
    heard_.push_back({HeardSound::Kind::Scream, listener_.position});
    if (mix != nullptr) {
        mix->voice.play(mix->sound(kScream));
    }
}

void GameAudio::kidTerrified(const vec3& position) {
    if (paused || ended) {
        return;
    }
    heard_.push_back({HeardSound::Kind::Shriek, position + kHeadHeight});
    if (mix == nullptr) {
        return;
    }
    SoundSource& shriek = mix->shrieks[mix->nextShriek];
    mix->nextShriek = (mix->nextShriek + 1) % mix->shrieks.size();
    shriek.place(position + kHeadHeight);
    shriek.play(mix->sound(kShriek));
}

void GameAudio::won() { endWith(kWin); }

void GameAudio::lost() { endWith(kLoss); }

void GameAudio::endWith(int stinger) {
    if (mix == nullptr || ended) {
        return;
    }
    ended = true;
    for (auto& kid : mix->kids) {
        kid->stop();
    }
    mix->heartbeat.stop();
    mix->stinger.play(mix->sound(static_cast<Sound>(stinger)));
}

void GameAudio::newRound() {
    ended = false;
    for (auto& stride : strides) {
        stride.reset();
    }
    walking.assign(walking.size(), false);
    heart = HeartbeatPace();
    if (mix != nullptr) {
        mix->stinger.stop();
    }
}

void GameAudio::setPaused(bool pause) {
    if (pause == paused) {
        return;
    }
    paused = pause;
    if (mix == nullptr) {
        return;
    }
    if (pause) {
        mix->paused.clear();
        for (SoundSource* source : mix->all()) {
            if (source->pauseIfPlaying()) {
                mix->paused.push_back(source);
            }
        }
        return;
    }
    for (SoundSource* source : mix->paused) {
        source->resume();
    }
    mix->paused.clear();
}

void GameAudio::setVolume(float volume) {
    // Written so that a NaN is silence.
    const float gain = volume > 0.0f ? (volume < 1.0f ? volume : 1.0f) : 0.0f;
    if (mix != nullptr) {
        mix->device->setMasterGain(gain);
    }
}

}  // namespace dusk::audio
