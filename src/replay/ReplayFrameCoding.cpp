#include "replay/ReplayFrameCoding.h"

#include <cmath>
#include <cstring>

namespace dusk {

namespace {

enum Flag : unsigned {
    Forward = 1u << 0,
    Backward = 1u << 1,
    Right = 1u << 2,
    Left = 1u << 3,
    Run = 1u << 4,
    Fly = 1u << 5,
    Scream = 1u << 6,
    TurnFollows = 1u << 7,
};
constexpr unsigned walkFollows = 1u;

template <typename T>
std::uint64_t bitsOf(T value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    return bits;
}

template <typename T>
T fromBits(std::uint64_t bits) {
    T value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// How many low bytes hold every set bit of x.
unsigned byteWidth(std::uint64_t x) {
    unsigned width = 0;
    for (; x != 0; x >>= 8) {
        ++width;
    }
    return width;
}

// The low `width` bytes of a change; the top one must be set (one encoding).
bool readChange(ByteReader& r, unsigned width, std::uint64_t& change) {
    if (!r.number(change, width)) {
        return false;
    }
    return width == 0 || (change >> (8 * (width - 1))) != 0 || r.fail("a frame written twice over");
}

}  // namespace

void writeReplayFrame(ByteWriter& w, const ReplayFrame& frame, std::uint64_t& dtBits,
                      std::uint64_t& clockBits) {
    const scene::PlayerControls& c = frame.controls;
    const bool turn = bitsOf(c.turnHorizontal) != 0 || bitsOf(c.turnVertical) != 0;
    const bool walk = bitsOf(c.walkForward) != 0 || bitsOf(c.walkRight) != 0;
    const unsigned flags = (c.move.forward ? Forward : 0u) | (c.move.backward ? Backward : 0u) |
                           (c.move.right ? Right : 0u) | (c.move.left ? Left : 0u) |
                           (c.move.run ? Run : 0u) | (c.fly ? Fly : 0u) | (c.scream ? Scream : 0u) |
                           (turn ? TurnFollows : 0u);
    const std::uint64_t dtChange = bitsOf(frame.dt) ^ dtBits;
    const std::uint64_t clockChange = bitsOf(frame.clock) ^ clockBits;
    w.number(flags, 1);
    w.number((walk ? walkFollows : 0u) | byteWidth(dtChange) << 1 | byteWidth(clockChange) << 4, 1);
    if (turn) {
        w.number(bitsOf(c.turnHorizontal), 4);
        w.number(bitsOf(c.turnVertical), 4);
    }
    if (walk) {
        w.number(bitsOf(c.walkForward), 4);
        w.number(bitsOf(c.walkRight), 4);
    }
    w.number(dtChange, byteWidth(dtChange));
    w.number(clockChange, byteWidth(clockChange));
    dtBits = bitsOf(frame.dt);
    clockBits = bitsOf(frame.clock);
}

bool readReplayFrame(ByteReader& r, ReplayFrame& frame, std::uint64_t& dtBits,
                     std::uint64_t& clockBits) {
    std::uint64_t flags = 0;
    std::uint64_t layout = 0;
    if (!r.number(flags, 1) || !r.number(layout, 1)) {
        return false;
    }
    const unsigned dtWidth = (layout >> 1) & 7u;
    const unsigned clockWidth = (layout >> 4) & 15u;
    if (dtWidth > 4 || clockWidth > 8) {
        return r.fail("a frame of unknown layout");
    }
    scene::PlayerControls& c = frame.controls;
    c.move = {(flags & Forward) != 0, (flags & Backward) != 0, (flags & Right) != 0,
              (flags & Left) != 0, (flags & Run) != 0};
    c.fly = (flags & Fly) != 0;
    c.scream = (flags & Scream) != 0;
    if ((flags & TurnFollows) &&
        (!r.finiteFloat(c.turnHorizontal) || !r.finiteFloat(c.turnVertical) ||
         (bitsOf(c.turnHorizontal) == 0 && bitsOf(c.turnVertical) == 0 &&
          !r.fail("a frame written twice over")))) {
        return false;
    }
    if ((layout & walkFollows) && (!r.finiteFloat(c.walkForward) || !r.finiteFloat(c.walkRight) ||
                                   (bitsOf(c.walkForward) == 0 && bitsOf(c.walkRight) == 0 &&
                                    !r.fail("a frame written twice over")))) {
        return false;
    }
    std::uint64_t dtChange = 0;
    std::uint64_t clockChange = 0;
    if (!readChange(r, dtWidth, dtChange) || !readChange(r, clockWidth, clockChange)) {
        return false;
    }
    dtBits ^= dtChange;
    clockBits ^= clockChange;
    frame.dt = fromBits<float>(dtBits);
    frame.clock = fromBits<double>(clockBits);
    if (!std::isfinite(frame.dt) || frame.dt < 0.0f || !std::isfinite(frame.clock)) {
        return r.fail("a frame time no round takes");
    }
    return true;
}

}  // namespace dusk
