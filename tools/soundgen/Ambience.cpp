// The dusk ambience: a quiet stereo loop of wind and crickets.
#include <cmath>

#include "Sounds.h"

namespace soundgen {

namespace {

constexpr float kLoopSeconds = 12.0f;
constexpr float kSeamSeconds = 1.0f;

// Wind for one channel, kLoopSeconds + kSeamSeconds long: noise through a
// band-pass swept between 250 and 650 Hz, with gusts. Every slow modulation
// makes a whole number of cycles per loop, so only the noise itself needs the
// seam's cross-fade.
Samples wind(uint32_t seed, float offset) {
    Samples s(framesOf(kLoopSeconds + kSeamSeconds));
    Noise noise(seed);
    Biquad band = Biquad::bandpass(400.0f, 1.2f);
    Biquad soften = Biquad::lowpass(900.0f, 0.7f);
    for (size_t i = 0; i < s.size(); ++i) {
        const float cycle = 2.0f * kPi * static_cast<float>(i) / kRate / kLoopSeconds;
        const float sweep = 0.5f + 0.5f * std::sin(2.0f * cycle + offset);
        if (i % 32 == 0) {
            band.retune(250.0f + 400.0f * sweep, 1.2f, false);
        }
        const float gust = (0.55f + 0.45f * std::sin(cycle + offset)) *
                           (0.75f + 0.25f * std::sin(3.0f * cycle + 2.0f * offset));
        s[i] = soften.process(band.process(noise.white())) * gust;
    }
    return s;
}

// Folds the seam tail over the head with an equal-power cross-fade: the last
// sample of the loop is followed, in the original, by the tail's first one.
Samples closeLoop(const Samples& s) {
    const size_t loop = framesOf(kLoopSeconds);
    const size_t seam = s.size() - loop;
    Samples out(s.begin(), s.begin() + static_cast<long>(loop));
    for (size_t i = 0; i < seam; ++i) {
        const float x = static_cast<float>(i) / static_cast<float>(seam);
        out[i] = s[i] * std::sin(0.5f * kPi * x) + s[loop + i] * std::cos(0.5f * kPi * x);
    }
    return out;
}

// A field cricket: chirps of a few 15 ms pulses of a pure tone, one chirp
// every period (a whole number of chirps per loop), the pulses' onsets
// softened so they tick rather than click.
float cricket(float t, float hz, float period, int pulses, float start) {
    const float inPeriod = std::fmod(t, period) - start;
    const float pulseLength = 0.015f;
    const float pulseStep = 0.027f;
    if (inPeriod < 0.0f || inPeriod >= pulses * pulseStep) {
        return 0.0f;
    }
    const float inPulse = std::fmod(inPeriod, pulseStep);
    if (inPulse >= pulseLength) {
        return 0.0f;
    }
    const float shape = std::sin(kPi * inPulse / pulseLength);
    return shape * shape * std::sin(2.0f * kPi * hz * t);
}

}  // namespace

// Ambience (12 s stereo loop): wind (band-passed noise, swept and gusting,
// different noise in each ear for width) under two crickets, one at 4.6 kHz
// chirping three pulses every 0.75 s on the left, one at 4.1 kHz chirping
// four pulses every second on the right. Quiet by design: it sits under
// everything else.
Sound ambience() {
    const Samples left = closeLoop(wind(101, 0.0f));
    const Samples right = closeLoop(wind(202, 1.3f));
    Sound sound{"dusk.wav", 2, Samples(left.size() * 2)};
    for (size_t i = 0; i < left.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float a = cricket(t, 4600.0f, 0.75f, 3, 0.2f);
        const float b = cricket(t, 4100.0f, 1.0f, 4, 0.55f);
        sound.samples[2 * i] = 0.9f * left[i] + 0.05f * a + 0.02f * b;
        sound.samples[2 * i + 1] = 0.9f * right[i] + 0.02f * a + 0.05f * b;
    }
    normalize(sound.samples, 0.35f);
    return sound;
}

}  // namespace soundgen
