#pragma once
// Deterministic hashing and periodic value noise. Every texture that must tile
// (the ground, the sky's left and right edges) is built from noise whose
// lattice wraps with a period, so the image's opposite edges agree.
#include <cstdint>

namespace artgen {

// A 32-bit integer hash (well mixed, no state).
uint32_t hash3(int32_t x, int32_t y, uint32_t seed);
// hash3 mapped to [0, 1).
float hashUnit(int32_t x, int32_t y, uint32_t seed);

// Value noise in [0, 1] on an integer lattice that repeats every periodX
// cells in x and periodY cells in y.
float periodicNoise(float x, float y, int periodX, int periodY, uint32_t seed);

// Sum of octaves of periodicNoise, each twice the frequency and half the
// weight of the one before; x and y in lattice units of the first octave.
// The result is normalised to [0, 1].
float periodicFbm(float x, float y, int periodX, int periodY, int octaves, uint32_t seed);

// A small deterministic generator for placing things (stars, lumps).
class Rng {
public:
    explicit Rng(uint64_t seed) : state(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}
    uint32_t next();
    float unit();                     // [0, 1)
    float range(float lo, float hi);  // [lo, hi)

private:
    uint64_t state;
};

}  // namespace artgen
