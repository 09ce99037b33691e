#pragma once
// What an end screen shows, and what the player chose on it.
#include <string>

namespace dusk::ui {

// What an end screen says of the round beside its title.
struct EndSummary {
    unsigned long seed = 0;  // "Forest 4242"
    int kidsFrightened = 0;
    int kidsTotal = 0;
    double seconds = 0.0;    // the round's time (shown for a win)
    bool hasBest = false;    // the forest has a best time
    double best = 0.0;       // ... this one
    bool newBest = false;    // this round set it
    std::string difficulty;  // the rules it was played by
    // A loss: where the last watcher saw the player from, and a tip.
    std::string seenFrom;
    std::string tip;
};

// The end of a round as the window shows it.
enum class EndScreen { Won, Lost };

// What the player chose on an end screen's buttons in one frame.
enum class EndChoice { None, PlayAgain, Quit };

}  // namespace dusk::ui
