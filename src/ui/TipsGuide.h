#pragma once
// The first-time player's guide: one short tip at a time, each gone once the
// player has done what it says; the guide ends for good with the first kid
// frightened. Plain steps here; the words come from the game, which knows
// the keys as bound.
#include <array>

namespace dusk::ui {

enum class TipStep {
    Goal,    // frighten every kid, unseen: gone after goalSeconds on screen
    Move,    // how to walk and look: gone once the player walks
    Scream,  // get behind a kid and scream: gone once the player screams
    Sight,   // a kid sees ahead of it: gone once a kid saw the player, or after readSeconds
    Help,    // where the controls are: gone once the panel is opened, or after readSeconds
    Done,
};

// What the player did in one frame of play.
struct TipEvents {
    bool walked = false;
    bool screamed = false;
    bool seen = false;
    bool helpOpened = false;
    bool kidFrightened = false;
};

class TipsGuide {
public:
    static constexpr double goalSeconds = 6.0;
    static constexpr double readSeconds = 10.0;

    // From the first tip again.
    void restart();
    // One frame of play of dt seconds: a step done ahead of its turn is
    // skipped when it comes; the tip on screen counts its time.
    void update(const TipEvents& events, double dt);
    TipStep step() const;
    bool finished() const { return step() == TipStep::Done; }

private:
    std::array<bool, 5> done{};
    double shownFor = 0.0;
};

}  // namespace dusk::ui
