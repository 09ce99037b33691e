#pragma once
// Where each kid looks, tinted on the ground by the ground's own lit shader:
// the half-disc of its sight in front of it, faint, and red while it sees
// the player.
#include <GL/glew.h>

#include <array>
#include <vector>

#include "math/Math.h"

namespace dusk {

struct UniformLocations;

// One kid's area: the kid's matrix (its place and facing, as the rules read
// them), how far it sees (the same for every kid of a round), and whether it
// sees the player now.
struct SightArea {
    mat4 kidMatrix{1.0f};
    float reach = 15.0f;
    bool seeing = false;
};

// The areas of a frame as basic.frag reads them ("sightAreas",
// "sightSeeingMask", "sightReach", "sightAreaCount"). The shader tints only
// while the count is above 0, which only the ground's draws get: every other
// draw, and a frame without areas, is drawn exactly as without this.
class SightAreas {
public:
    // The shader's room for areas ("sightAreas[10]"); areas beyond it are
    // left out.
    static constexpr std::size_t kMaxAreas = 10;

    explicit SightAreas(const std::vector<SightArea>& areas);

    // Into the program in use: the areas, with a count of 0 (no tint yet).
    void upload(const UniformLocations& u) const;
    // Into the program in use: the count, the areas' own for the ground's
    // draws (ground true), 0 for any other.
    void enableForGround(const UniformLocations& u, bool ground) const;

    int count() const { return count_; }

private:
    std::array<vec4, kMaxAreas> packed{};  // each kid: x, z, m00, m02
    int count_ = 0;
    int seeingMask = 0;  // bit i: kid i sees the player
    float reach = 0.0f;
};

}  // namespace dusk
