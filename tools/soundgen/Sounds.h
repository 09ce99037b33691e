#pragma once
// Every sound of the game, each made from scratch by synthesis (see the
// recipe above each function's definition). All are 44.1 kHz; all are mono
// (OpenAL places mono sounds in space) except the ambience, which is stereo
// and played around the listener.
#include <string>

#include "Dsp.h"

namespace soundgen {

struct Sound {
    std::string fileName;  // below the run directory's Sound/
    int channels = 1;
    Samples samples;  // interleaved when stereo
};

Sound footstep();
Sound heartbeat();
Sound scream();
Sound shriek();
Sound ambience();
Sound winStinger();
Sound lossStinger();

}  // namespace soundgen
