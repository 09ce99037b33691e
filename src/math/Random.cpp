#include "math/Random.h"

namespace dusk {

int Random::next() {
    if (source) {
        return source();
    }
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7fffu);
}

}  // namespace dusk
