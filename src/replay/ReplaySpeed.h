#pragma once
// How fast a replay is watched: 1/4x to 8x, by whole recorded frames. Faster
// plays several recorded updates in one window frame, slower plays one every
// few window frames; a recorded frame's dt is never changed.
#include <string>

namespace dusk {

class ReplaySpeed {
public:
    // One step faster / slower, stopping at 8x / 1/4x.
    void faster();
    void slower();
    // The recorded frames to play in this window frame (0 between the slow
    // speeds' frames). Call it once a window frame.
    int framesThisFrame();
    // "1/4x", "1/2x", "1x", "2x", "4x", "8x".
    std::string label() const;

private:
    // log2 of the speed: -2 .. 3.
    int step = 0;
    int waited = 0;  // window frames since the last recorded one (slow speeds)
};

}  // namespace dusk
