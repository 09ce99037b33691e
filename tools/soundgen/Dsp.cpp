#include "Dsp.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

size_t framesOf(float seconds) { return static_cast<size_t>(std::lround(seconds * kRate)); }

float Noise::white() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<float>(state) / 2147483648.0f - 1.0f;
}

float Noise::smooth(float cutoffHz) {
    const float a = 1.0f - std::exp(-2.0f * kPi * cutoffHz / kRate);
    smoothed += a * (white() - smoothed);
    return smoothed;
}

namespace {

struct Cookbook {
    float cosW, alpha;
};

Cookbook cookbook(float hz, float q) {
    const float w = 2.0f * kPi * hz / kRate;
    return {std::cos(w), std::sin(w) / (2.0f * q)};
}

}  // namespace

Biquad Biquad::lowpass(float hz, float q) {
    Biquad f;
    f.retune(hz, q, true);
    return f;
}

Biquad Biquad::highpass(float hz, float q) {
    const Cookbook c = cookbook(hz, q);
    const float a0 = 1.0f + c.alpha;
    Biquad f;
    f.b0 = (1.0f + c.cosW) / 2.0f / a0;
    f.b1 = -(1.0f + c.cosW) / a0;
    f.b2 = f.b0;
    f.a1 = -2.0f * c.cosW / a0;
    f.a2 = (1.0f - c.alpha) / a0;
    return f;
}

Biquad Biquad::bandpass(float hz, float q) {
    Biquad f;
    f.retune(hz, q, false);
    return f;
}

void Biquad::retune(float hz, float q, bool lowpassKind) {
    const Cookbook c = cookbook(hz, q);
    const float a0 = 1.0f + c.alpha;
    if (lowpassKind) {
        b0 = (1.0f - c.cosW) / 2.0f / a0;
        b1 = (1.0f - c.cosW) / a0;
        b2 = b0;
    } else {
        b0 = c.alpha / a0;
        b1 = 0.0f;
        b2 = -c.alpha / a0;
    }
    a1 = -2.0f * c.cosW / a0;
    a2 = (1.0f - c.alpha) / a0;
}

float Biquad::process(float x) {
    const float y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
}

namespace {

// The correction around a step of a unit phase accumulator (PolyBLEP).
float blep(float t, float dt) {
    if (t < dt) {
        const float x = t / dt;
        return x + x - x * x - 1.0f;
    }
    if (t > 1.0f - dt) {
        const float x = (t - 1.0f) / dt;
        return x * x + x + x + 1.0f;
    }
    return 0.0f;
}

}  // namespace

float Saw::next(float hz) {
    const float dt = hz / kRate;
    const float value = 2.0f * phase - 1.0f - blep(phase, dt);
    phase += dt;
    if (phase >= 1.0f) {
        phase -= 1.0f;
    }
    return value;
}

float strike(float t, float attack, float decay) {
    if (t < 0.0f) {
        return 0.0f;
    }
    if (t < attack) {
        return t / attack;
    }
    return std::exp(-(t - attack) / decay);
}

float ramp(float t, float from, float to) {
    if (t <= from) {
        return 0.0f;
    }
    if (t >= to) {
        return 1.0f;
    }
    return 0.5f - 0.5f * std::cos(kPi * (t - from) / (to - from));
}

void mixInto(Samples& dst, const Samples& src, size_t offset, float gain) {
    if (dst.size() < offset + src.size()) {
        dst.resize(offset + src.size(), 0.0f);
    }
    for (size_t i = 0; i < src.size(); ++i) {
        dst[offset + i] += gain * src[i];
    }
}

void fadeEdges(Samples& s, float inSeconds, float outSeconds) {
    const size_t in = std::min(framesOf(inSeconds), s.size());
    const size_t out = std::min(framesOf(outSeconds), s.size());
    for (size_t i = 0; i < in; ++i) {
        s[i] *= static_cast<float>(i) / static_cast<float>(in);
    }
    for (size_t i = 0; i < out; ++i) {
        s[s.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
    }
}

void normalize(Samples& s, float peak) {
    float largest = 0.0f;
    for (float v : s) {
        largest = std::max(largest, std::fabs(v));
    }
    if (largest > 0.0f) {
        for (float& v : s) {
            v *= peak / largest;
        }
    }
}

float saturate(float x, float drive) { return std::tanh(drive * x) / std::tanh(drive); }

}  // namespace soundgen
