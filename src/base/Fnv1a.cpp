#include "base/Fnv1a.h"

namespace dusk {

void Fnv1a::add(const void* bytes, std::size_t size) {
    const auto* byte = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < size; ++i) {
        state = (state ^ byte[i]) * 0x100000001b3ull;
    }
}

}  // namespace dusk
