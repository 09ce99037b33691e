#pragma once
// The game's sound, seen from the game: one call a frame with where everybody
// is, and a call for each event. Without an audio device every call does
// nothing and the game plays silently.
//
//   audio::GameAudio audio;                  // loads Sound/*.wav once
//   audio.update(frame);                     // every frame
//   audio.kidTerrified(kidPosition);         // events as they happen
//   audio.setPaused(true); audio.setVolume(0.5f);
#include <memory>
#include <string>
#include <vector>

#include "audio/FootstepClock.h"
#include "audio/HeardSound.h"
#include "audio/HeartbeatPace.h"
#include "audio/SoundFrame.h"

namespace dusk::audio {

class GameAudio {
public:
    // Opens the default device and loads the sounds from the directory
    // (a missing or broken file: one line, and the game goes on without it).
    explicit GameAudio(const std::string& soundDirectory = "Sound/");
    ~GameAudio();
    GameAudio(const GameAudio&) = delete;
    GameAudio& operator=(const GameAudio&) = delete;

    // True when there is a device to play on.
    bool enabled() const { return mix != nullptr; }

    // The listener follows the pose; each walking kid steps in time with its
    // stride (a kid that stops walking falls silent at once); the heart beats
    // while the player is seen, faster as health falls; the ambience loops;
    // a fresh press of the scream key screams.
    void update(const SoundFrame& frame);
    // The player's scream, heard in the player's own head.
    void scream();
    // A terrified kid's shriek, from where the kid stands.
    void kidTerrified(const vec3& position);
    // The end of a game: steps and heartbeat stop and the stinger plays.
    void won();
    void lost();
    // A new round after an end: the stinger stops, and steps, heartbeat and
    // screams sound again from a fresh start.
    void newRound();
    // Paused: everything falls silent, and resumes where it was.
    void setPaused(bool paused);
    // Master volume 0..1 (0 is silence).
    void setVolume(float volume);

    // The sounds started since the last update began (that update's steps,
    // heartbeat and scream, and shrieks after it), in order. Kept with or
    // without a device, at any volume: captions read them.
    const std::vector<HeardSound>& heard() const { return heard_; }
    // Where the last update placed the listener.
    const ListenerPose& listener() const { return listener_; }

private:
    struct Mix;
    void updateKids(const std::vector<KidSound>& kids);
    void addKidSources(size_t count);
    void endWith(int stinger);

    std::unique_ptr<Mix> mix;
    std::vector<FootstepClock> strides;
    std::vector<bool> walking;
    HeartbeatPace heart;
    std::vector<HeardSound> heard_;
    ListenerPose listener_;
    bool screamKeyWasDown = false;
    bool paused = false;
    bool ended = false;
    bool ambienceStarted = false;
};

}  // namespace dusk::audio
