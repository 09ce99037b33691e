// The application icon: a rounded square of dusk sky over the clearing, the
// moon, dark conifers on both sides and a kid with a glowing lantern seen in
// silhouette. Drawn for 256 x 256; every length scales with the size.
#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "Pieces.h"

namespace artgen {

namespace {

const vec3 kSilhouette(0.025f, 0.022f, 0.045f);
const vec3 kLanternLight(1.0f, 0.72f, 0.32f);

void paintSkyGradient(Canvas& canvas) {
    const int n = canvas.width();
    for (int y = 0; y < n; ++y) {
        const float t = (y + 0.5f) / n;  // 0 at the top
        vec3 c = glm::mix(vec3(0.05f, 0.05f, 0.17f), vec3(0.22f, 0.15f, 0.40f),
                          smoothStep(0.0f, 0.55f, t));
        c = glm::mix(c, vec3(0.92f, 0.46f, 0.30f), smoothStep(0.45f, 0.78f, t));
        for (int x = 0; x < n; ++x) canvas.at(x, y) = vec4(c, 1.0f);
    }
}

void paintStarsAndMoon(Canvas& canvas, float s) {
    Rng rng(256);
    for (int i = 0; i < 26; ++i) {
        const vec2 p(rng.range(12.0f, 244.0f) * s, rng.range(10.0f, 110.0f) * s);
        canvas.fillDisc(p, rng.range(0.5f, 1.3f) * s, vec3(0.95f, 0.93f, 1.0f),
                        rng.range(0.5f, 0.9f));
    }
    const vec2 moon(188.0f * s, 58.0f * s);
    for (float r = 40.0f; r > 24.0f; r -= 2.0f)
        canvas.fillDisc(moon, r * s, vec3(0.55f, 0.52f, 0.70f), 0.06f);
    canvas.fillDisc(moon, 22.0f * s, vec3(0.98f, 0.95f, 0.84f));
    canvas.fillDisc(moon + vec2(-6.0f, 5.0f) * s, 5.0f * s, vec3(0.82f, 0.80f, 0.74f));
    canvas.fillDisc(moon + vec2(7.0f, -6.0f) * s, 3.5f * s, vec3(0.85f, 0.83f, 0.76f));
}

// A layered conifer standing on baseY, its tip height pixels above.
void paintConifer(Canvas& canvas, float x, float baseY, float height, vec3 colour) {
    const int layers = 4;
    for (int i = 0; i < layers; ++i) {
        const float top = baseY - height + i * height * 0.2f;
        const float bottom = top + height * 0.42f;
        const float half = height * (0.16f + 0.06f * i);
        canvas.fillPolygon({{x, top}, {x + half, bottom}, {x - half, bottom}}, colour);
    }
    canvas.fillRect(x - height * 0.03f, baseY - height * 0.2f, x + height * 0.03f, baseY, colour);
}

void paintForest(Canvas& canvas, float s) {
    const float n = static_cast<float>(canvas.width());
    // A far row, lighter, then the near trees framing the picture.
    Rng rng(13);
    for (float x = -10.0f; x < 270.0f; x += rng.range(14.0f, 24.0f))
        paintConifer(canvas, x * s, 200.0f * s, rng.range(40.0f, 70.0f) * s,
                     vec3(0.12f, 0.08f, 0.18f));
    canvas.fillRect(0.0f, 196.0f * s, n, n, vec3(0.07f, 0.06f, 0.10f));
    paintConifer(canvas, 28.0f * s, 246.0f * s, 190.0f * s, kSilhouette);
    paintConifer(canvas, 236.0f * s, 250.0f * s, 160.0f * s, kSilhouette);
}

void paintLanternGlow(Canvas& canvas, vec2 lantern, float s) {
    const int n = canvas.width();
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const float d = glm::length(vec2(x + 0.5f, y + 0.5f) - lantern) / s;
            const float glow = std::exp(-d / 26.0f) * 0.9f;
            vec4& p = canvas.at(x, y);
            p = vec4(vec3(p) + kLanternLight * glow * (1.0f - vec3(p)), p.a);
        }
    }
}

// The kid, facing left, holding the lantern out in front: head, body, legs
// and arm as flat shapes in one dark colour, lit at the rim by the lantern.
void paintKid(Canvas& canvas, vec2 feet, float s) {
    auto at = [&](float dx, float dy) { return feet + vec2(dx, dy) * s; };
    const vec3 rim = kLanternLight * 0.75f;
    // The rim light first, the dark shapes over it shifted away from the lantern.
    canvas.fillDisc(at(-2, -57), 12.0f * s, rim);
    canvas.fillPolygon({at(-13, -46), at(10, -46), at(12, -14), at(-15, -14)}, rim);
    canvas.fillPolygon({at(-9, -16), at(-4, -16), at(-1, 0), at(-7, 0)}, kSilhouette);
    canvas.fillPolygon({at(3, -16), at(8, -16), at(10, 0), at(4, 0)}, kSilhouette);
    canvas.fillPolygon({at(-11, -46), at(11, -46), at(13, -14), at(-13, -14)}, kSilhouette);
    canvas.fillDisc(at(0, -57), 11.5f * s, kSilhouette);
    // A tuft of hair and the arm holding the lantern out.
    canvas.fillPolygon({at(-3, -67), at(2, -73), at(4, -67)}, kSilhouette);
    canvas.fillPolygon({at(-9, -42), at(-4, -37), at(-26, -27), at(-29, -31)}, kSilhouette);
    canvas.fillRect(feet.x - 30.0f * s, feet.y - 31.0f * s, feet.x - 28.5f * s, feet.y - 24.0f * s,
                    kSilhouette);
}

void paintLantern(Canvas& canvas, vec2 centre, float s) {
    canvas.fillRect(centre.x - 5.0f * s, centre.y - 8.0f * s, centre.x + 5.0f * s,
                    centre.y - 6.0f * s, kSilhouette);
    canvas.fillRect(centre.x - 4.0f * s, centre.y - 6.0f * s, centre.x + 4.0f * s,
                    centre.y + 6.0f * s, vec3(1.0f, 0.86f, 0.55f));
    canvas.fillRect(centre.x - 5.0f * s, centre.y + 6.0f * s, centre.x + 5.0f * s,
                    centre.y + 8.0f * s, kSilhouette);
    canvas.fillDisc(centre, 2.5f * s, vec3(1.0f, 0.98f, 0.9f));
}

// Anti-aliased coverage of a square of side n with corners of radius r.
float roundedSquare(float x, float y, float n, float r) {
    const float cx = std::clamp(x, r, n - r);
    const float cy = std::clamp(y, r, n - r);
    const float d = glm::length(vec2(x - cx, y - cy));
    return std::clamp(r - d + 0.5f, 0.0f, 1.0f);
}

}  // namespace

Canvas paintIcon(int size) {
    Canvas canvas(size, size);
    const float s = size / 256.0f;
    paintSkyGradient(canvas);
    paintStarsAndMoon(canvas, s);
    paintForest(canvas, s);
    const vec2 feet(130.0f * s, 222.0f * s);
    const vec2 lantern = feet + vec2(-30.0f, -16.0f) * s;
    paintLanternGlow(canvas, lantern, s);
    canvas.fillRect(0.0f, 222.0f * s, size, size, kSilhouette);
    paintKid(canvas, feet, s);
    paintLantern(canvas, lantern, s);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            canvas.at(x, y).a = roundedSquare(x + 0.5f, y + 0.5f, size, 36.0f * s);
    return canvas;
}

}  // namespace artgen
