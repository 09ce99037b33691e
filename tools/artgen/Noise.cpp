#include "Noise.h"

#include <cmath>

namespace artgen {

uint32_t hash3(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float hashUnit(int32_t x, int32_t y, uint32_t seed) {
    return static_cast<float>(hash3(x, y, seed) >> 8) / 16777216.0f;
}

namespace {

int wrap(int i, int period) {
    int r = i % period;
    return r < 0 ? r + period : r;
}

float smooth(float t) { return t * t * (3.0f - 2.0f * t); }

}  // namespace

float periodicNoise(float x, float y, int periodX, int periodY, uint32_t seed) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int x0 = wrap(static_cast<int>(fx), periodX);
    const int y0 = wrap(static_cast<int>(fy), periodY);
    const int x1 = wrap(x0 + 1, periodX);
    const int y1 = wrap(y0 + 1, periodY);
    const float tx = smooth(x - fx);
    const float ty = smooth(y - fy);
    const float a = hashUnit(x0, y0, seed);
    const float b = hashUnit(x1, y0, seed);
    const float c = hashUnit(x0, y1, seed);
    const float d = hashUnit(x1, y1, seed);
    const float top = a + (b - a) * tx;
    const float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float periodicFbm(float x, float y, int periodX, int periodY, int octaves, uint32_t seed) {
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    int scale = 1;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * periodicNoise(x * static_cast<float>(scale), y * static_cast<float>(scale),
                                      periodX * scale, periodY * scale, seed + 101u * o);
        total += weight;
        weight *= 0.5f;
        scale *= 2;
    }
    return sum / total;
}

uint32_t Rng::next() {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    const uint32_t xorshifted = static_cast<uint32_t>(((state >> 18u) ^ state) >> 27u);
    const uint32_t rot = static_cast<uint32_t>(state >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

float Rng::unit() { return static_cast<float>(next() >> 8) / 16777216.0f; }

float Rng::range(float lo, float hi) { return lo + (hi - lo) * unit(); }

}  // namespace artgen
