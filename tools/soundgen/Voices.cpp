// Voices: the player's scream and a terrified kid's shriek, both made by a
// small source-filter voice: a band-limited sawtooth (the vocal folds) whose
// pitch follows a contour with vibrato and random jitter, plus breath noise,
// sent through three parallel resonant band-passes (the formants of a vowel)
// and a soft saturation for the strain of a shout.
#include <cmath>

#include "Sounds.h"

namespace soundgen {

namespace {

struct VoiceShape {
    float seconds;
    float startHz, peakHz, endHz;  // pitch contour: rise to the peak, then sag
    float peakAt;                  // seconds
    float vibratoHz, vibratoDepth;
    float formants[3];
    float formantGains[3];
    float breath;  // noise share of the source
    float drive;   // saturation
    uint32_t seed;
};

float contour(const VoiceShape& v, float t) {
    if (t < v.peakAt) {
        return v.startHz + (v.peakHz - v.startHz) * ramp(t, 0.0f, v.peakAt);
    }
    return v.peakHz + (v.endHz - v.peakHz) * ramp(t, v.peakAt, v.seconds);
}

Samples voice(const VoiceShape& v) {
    Samples s(framesOf(v.seconds));
    Saw folds;
    Noise noise(v.seed);
    Biquad formant[3] = {Biquad::bandpass(v.formants[0], 6.0f),
                         Biquad::bandpass(v.formants[1], 8.0f),
                         Biquad::bandpass(v.formants[2], 9.0f)};
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float vibrato = 1.0f + v.vibratoDepth * std::sin(2.0f * kPi * v.vibratoHz * t);
        const float jitter = 1.0f + 0.6f * noise.smooth(30.0f);
        const float source =
            folds.next(contour(v, t) * vibrato * jitter) + v.breath * noise.white();
        float out = 0.0f;
        for (int f = 0; f < 3; ++f) {
            out += v.formantGains[f] * formant[f].process(source);
        }
        s[i] = saturate(out, v.drive);
    }
    // Loudness swells in and falls away at the end of the breath.
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        s[i] *= ramp(t, 0.0f, 0.06f) * (1.0f - ramp(t, v.seconds - 0.3f, v.seconds));
    }
    normalize(s, 0.85f);
    return s;
}

}  // namespace

// Scream (1.3 s): an adult "aaah!" shout. Pitch leaps from 380 to 720 Hz in
// 0.15 s and sags to 560 Hz; 5.5 Hz vibrato; formants of an open "ah" (800,
// 1250, 2700 Hz); strongly saturated.
Sound scream() {
    const VoiceShape shape{1.3f,
                           380.0f,
                           720.0f,
                           560.0f,
                           0.15f,
                           5.5f,
                           0.03f,
                           {800.0f, 1250.0f, 2700.0f},
                           {1.0f, 0.7f, 0.35f},
                           0.25f,
                           3.0f,
                           23};
    return {"scream.wav", 1, voice(shape)};
}

// Shriek (0.9 s): a child's terrified "eee!". Higher and thinner than the
// scream: pitch 900 to 1350 Hz and down to 1050 Hz, faster and deeper
// vibrato, formants of a child's "ee" (450, 2900, 3900 Hz).
Sound shriek() {
    const VoiceShape shape{0.9f,
                           900.0f,
                           1350.0f,
                           1050.0f,
                           0.12f,
                           7.0f,
                           0.05f,
                           {450.0f, 2900.0f, 3900.0f},
                           {0.6f, 1.0f, 0.5f},
                           0.15f,
                           2.2f,
                           29};
    return {"shriek.wav", 1, voice(shape)};
}

}  // namespace soundgen
