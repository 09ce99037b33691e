#pragma once
// The 64-bit FNV-1a hash, fed a piece at a time. Any one byte changed in what
// it is fed changes the value (each step is a bijection of the state).
#include <cstddef>
#include <cstdint>
#include <string>

namespace dusk {

class Fnv1a {
public:
    void add(const void* bytes, std::size_t size);
    void add(const std::string& bytes) { add(bytes.data(), bytes.size()); }
    // The object's own bytes (a number, as it lies in memory).
    template <typename T>
    void addValue(const T& value) {
        add(&value, sizeof value);
    }
    std::uint64_t value() const { return state; }

private:
    std::uint64_t state = 0xcbf29ce484222325ull;
};

}  // namespace dusk
