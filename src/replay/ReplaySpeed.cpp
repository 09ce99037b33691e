#include "replay/ReplaySpeed.h"

#include <algorithm>

namespace dusk {

namespace {
constexpr int slowest = -2;
constexpr int fastest = 3;
}  // namespace

void ReplaySpeed::faster() { step = std::min(step + 1, fastest); }

void ReplaySpeed::slower() { step = std::max(step - 1, slowest); }

int ReplaySpeed::framesThisFrame() {
    if (step >= 0) {
        waited = 0;
        return 1 << step;
    }
    waited = (waited + 1) % (1 << -step);
    return waited == 0 ? 1 : 0;
}

std::string ReplaySpeed::label() const {
    return step >= 0 ? std::to_string(1 << step) + "x" : "1/" + std::to_string(1 << -step) + "x";
}

}  // namespace dusk
