#pragma once
// The building blocks every sound is made of: a seeded noise source, the
// usual second-order filters (Robert Bristow-Johnson's cookbook forms), a
// band-limited sawtooth, envelopes, and helpers to mix, fade and level
// sample arrays. Everything is mono float at kRate unless said otherwise.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace soundgen {

constexpr int kRate = 44100;
constexpr float kPi = 3.14159265358979f;
using Samples = std::vector<float>;

// The number of sample frames in the given time.
size_t framesOf(float seconds);

// White noise in [-1, 1) from a 32-bit xorshift generator: the same seed
// gives the same sound on every run.
class Noise {
public:
    explicit Noise(uint32_t seed) : state(seed == 0 ? 0x9e3779b9u : seed) {}
    float white();
    // Noise low-passed by a one-pole filter at the given cutoff: the
    // slowly wandering value used for jitter and drift.
    float smooth(float cutoffHz);

private:
    uint32_t state;
    float smoothed = 0.0f;
};

// A second-order IIR section (direct form I).
class Biquad {
public:
    static Biquad lowpass(float hz, float q);
    static Biquad highpass(float hz, float q);
    // Constant 0 dB peak gain band-pass.
    static Biquad bandpass(float hz, float q);
    float process(float x);
    // Recomputes the coefficients for a moving band-pass or low-pass while
    // keeping the filter's state (a sweep without clicks).
    void retune(float hz, float q, bool lowpassKind);

private:
    float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// A sawtooth whose phase jump is smoothed with a polynomial band-limited
// step, so high notes do not fold back into the audible band.
class Saw {
public:
    float next(float hz);

private:
    float phase = 0.0f;
};

// 0 before start, rises linearly over attack, then decays exponentially with
// the given time constant.
float strike(float t, float attack, float decay);
// A smooth 0..1 ramp (raised cosine) over [from, to].
float ramp(float t, float from, float to);

// dst[offset + i] += gain * src[i], growing dst when needed.
void mixInto(Samples& dst, const Samples& src, size_t offset, float gain);
// Linear fades over the first and last given seconds.
void fadeEdges(Samples& s, float inSeconds, float outSeconds);
// Scales so the largest magnitude is peak.
void normalize(Samples& s, float peak);
// Soft saturation: the rough edge of a strained voice.
float saturate(float x, float drive);

}  // namespace soundgen
