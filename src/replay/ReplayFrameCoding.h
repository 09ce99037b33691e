#pragma once
// One recorded frame in a replay's bytes (the layout is in ReplayFile.h):
// the keys as flags, the turn and the stick's walk only when not zero, dt and
// the clock as the bytes of their bits that changed since the frame before.
#include <cstdint>

#include "replay/ByteReader.h"
#include "replay/ByteWriter.h"
#include "replay/Replay.h"

namespace dusk {

// Appends frame. dtBits and clockBits: the bits of the frame before's dt and
// clock (0 before the first), set to this frame's.
void writeReplayFrame(ByteWriter& w, const ReplayFrame& frame, std::uint64_t& dtBits,
                      std::uint64_t& clockBits);

// Reads the frame writeReplayFrame wrote, bit for bit; false (the fault noted
// in r) for one no writer makes: a second encoding, unknown layout, NaN or an
// infinity, a negative dt. dtBits and clockBits as for writing.
bool readReplayFrame(ByteReader& r, ReplayFrame& frame, std::uint64_t& dtBits,
                     std::uint64_t& clockBits);

}  // namespace dusk
