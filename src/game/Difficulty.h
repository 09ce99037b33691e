#pragma once
// The numbers the rules play by, one table per difficulty. "Standard" is the
// game as it has always been; the others bend the same rules.
#include <optional>
#include <string>

namespace dusk {

// How far a kid sees: the player counts as seen in front of the kid, closer
// than `distance` (horizontally) and less than `height` above or below it.
struct Sight {
    float distance = 15.0f;
    float height = 5.0f;
};

struct Difficulty {
    std::string name = "Standard";
    Sight sight;
    // Health lost per second for each active kid that sees the player.
    float drainPerSecond = 1.0f;
    // Health regained per second, as a fraction of the full health.
    double regenerationPerSecond = 0.1;
    // The scream terrifies a kid strictly closer than this, horizontally.
    float screamReach = 5.0f;
    // Magic at the start of a round (one unit flies for one second) and what
    // it grows by per second.
    float startMagic = 20000.0f;
    double magicPerSecond = 0.05;
    // No kid sees the player while the round is younger than this (seconds),
    // so a kid that happens to watch the start costs nothing.
    double fairStartSeconds = 0.0;

    static Difficulty relaxed();
    // Exactly the game's own numbers (a default-constructed Difficulty).
    static Difficulty standard();
    static Difficulty hard();
    // The table of that name ("Relaxed", "Standard", "Hard"); none for
    // another name.
    static std::optional<Difficulty> named(const std::string& name);
};

}  // namespace dusk
