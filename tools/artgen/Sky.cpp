// The dusk sky: a sphere seen from inside and its longitude-latitude picture.
#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "Pieces.h"

namespace artgen {

namespace {

constexpr float kPi = 3.14159265358979f;

// The moon stands where the game's directional light comes from, (1, 1, 1), so
// the shadows agree with it; the sun went down on the opposite side.
const vec3 kMoonDirection = glm::normalize(vec3(1.0f, 1.0f, 1.0f));
const vec3 kSunsetDirection = glm::normalize(vec3(-1.0f, 0.0f, -1.0f));
constexpr float kMoonRadius = 0.045f;  // radians

float longitudeOf(vec3 d) { return std::atan2(d.x, d.z); }

// Height (elevation in radians) of the far tree line, periodic in longitude.
float treeLine(float longitude) {
    const float s = (longitude + kPi) / (2.0f * kPi);  // 0..1 around
    const float hills = periodicFbm(s * 6.0f, 0.5f, 6, 1, 3, 31u);
    // Conifer tips: a saw of narrow triangles with varying heights.
    const float cells = 220.0f;
    const float cell = s * cells;
    const int index = static_cast<int>(std::floor(cell)) % static_cast<int>(cells);
    const float f = cell - std::floor(cell);
    const float tip = hashUnit(index, 7, 32u);
    const float spike = (1.0f - std::fabs(f - 0.5f) * 2.0f) * (0.012f + 0.02f * tip);
    return 0.018f + 0.035f * hills + spike;
}

vec3 skyGradient(vec3 d) {
    const float e = std::asin(std::clamp(d.y, -1.0f, 1.0f));
    const float up = std::clamp(e / (kPi / 2.0f), 0.0f, 1.0f);
    const vec3 zenith(0.035f, 0.045f, 0.15f);
    const vec3 middle(0.17f, 0.14f, 0.36f);
    const vec3 horizon(0.50f, 0.30f, 0.40f);
    vec3 c = glm::mix(horizon, middle, smoothStep(0.0f, 0.35f, up));
    c = glm::mix(c, zenith, smoothStep(0.25f, 1.0f, up));
    // Afterglow where the sun set: warm near the horizon, fading up and around.
    const vec3 flat = glm::normalize(vec3(d.x, 0.0f, d.z) + vec3(1e-6f));
    const float toward = std::max(0.0f, glm::dot(flat, kSunsetDirection));
    const float glow = std::pow(toward, 3.0f) * std::exp(-std::max(e, 0.0f) * 6.0f);
    c = glm::mix(c, vec3(0.98f, 0.50f, 0.22f), glow * 0.85f);
    c += vec3(0.25f, 0.10f, 0.05f) * std::pow(toward, 8.0f) * std::exp(-std::fabs(e) * 18.0f);
    // Below the horizon lies the dark forest beyond the clearing.
    if (e < 0.0f)
        c = glm::mix(vec3(0.035f, 0.04f, 0.06f), vec3(0.02f, 0.02f, 0.03f),
                     smoothStep(0.0f, 0.3f, -e));
    return c;
}

vec3 withClouds(vec3 c, vec3 d) {
    const float e = std::asin(std::clamp(d.y, -1.0f, 1.0f));
    if (e < 0.02f || e > 0.7f) return c;
    const float s = (longitudeOf(d) + kPi) / (2.0f * kPi);
    const float n = periodicFbm(s * 24.0f, e * 60.0f, 24, 4096, 4, 41u);
    const float band = smoothStep(0.02f, 0.12f, e) * smoothStep(0.7f, 0.3f, e);
    const float cover = smoothStep(0.55f, 0.75f, n) * band;
    const vec3 flat = glm::normalize(vec3(d.x, 0.0f, d.z) + vec3(1e-6f));
    const float toward = std::max(0.0f, glm::dot(flat, kSunsetDirection));
    const vec3 lit =
        glm::mix(vec3(0.28f, 0.20f, 0.34f), vec3(0.95f, 0.55f, 0.45f), toward * toward);
    return glm::mix(c, lit, cover * 0.7f);
}

// The pixel rectangle (columns wrapping) around a direction within radius radians.
template <typename Fn>
void aroundDirection(vec3 centre, float radius, int width, int height, Fn fn) {
    const float lat = std::asin(std::clamp(centre.y, -1.0f, 1.0f));
    const float lon = longitudeOf(centre);
    const float pxPerRad = height / kPi;
    const float cy = (kPi / 2.0f - lat) * pxPerRad;
    const float cx = (lon + kPi) / (2.0f * kPi) * width;
    const float ry = radius * pxPerRad + 2.0f;
    const float rx = std::min(ry / std::max(std::cos(lat), 0.05f), width / 2.0f);
    for (int y = std::max(0, static_cast<int>(cy - ry));
         y <= std::min(height - 1, static_cast<int>(cy + ry)); ++y) {
        for (int i = static_cast<int>(cx - rx); i <= static_cast<int>(cx + rx); ++i) {
            const int x = ((i % width) + width) % width;
            fn(x, y, skyDirection(x, y, width, height));
        }
    }
}

void drawStars(Canvas& canvas) {
    Rng rng(77);
    const int w = canvas.width();
    const int h = canvas.height();
    for (int i = 0; i < 1400; ++i) {
        // Uniform on the sphere above 8 degrees and below 80 degrees.
        const float y = rng.range(std::sin(0.14f), std::sin(1.40f));
        const float lon = rng.range(-kPi, kPi);
        const float r = std::sqrt(1.0f - y * y);
        const vec3 dir(r * std::sin(lon), y, r * std::cos(lon));
        const float brightness = std::pow(rng.unit(), 3.0f);
        const float size = 0.0012f + 0.0022f * brightness;
        const float dusk = smoothStep(0.10f, 0.6f, std::asin(y)) *
                           (1.0f - 0.8f * std::max(0.0f, glm::dot(dir, kSunsetDirection)));
        const vec3 tint = rng.unit() < 0.3f ? vec3(1.0f, 0.85f, 0.7f) : vec3(0.85f, 0.9f, 1.0f);
        aroundDirection(dir, size * 2.0f, w, h, [&](int x, int py, vec3 d) {
            const float a = std::acos(std::clamp(glm::dot(d, dir), -1.0f, 1.0f));
            const float cover = std::clamp((size - a) / size + 0.5f, 0.0f, 1.0f);
            canvas.blend(x, py, tint, cover * dusk * (0.55f + 0.45f * brightness));
        });
    }
}

void drawMoon(Canvas& canvas) {
    const int w = canvas.width();
    const int h = canvas.height();
    // Halo first, then the disc with darker seas.
    aroundDirection(kMoonDirection, kMoonRadius * 7.0f, w, h, [&](int x, int y, vec3 d) {
        const float a = std::acos(std::clamp(glm::dot(d, kMoonDirection), -1.0f, 1.0f));
        const float halo = std::exp(-(a - kMoonRadius) / (kMoonRadius * 1.6f));
        if (a > kMoonRadius) {
            vec4& p = canvas.at(x, y);
            p = vec4(vec3(p) + vec3(0.30f, 0.30f, 0.36f) * halo * 0.55f, p.a);
        }
    });
    const vec3 east = glm::normalize(glm::cross(vec3(0, 1, 0), kMoonDirection));
    const vec3 north = glm::cross(kMoonDirection, east);
    aroundDirection(kMoonDirection, kMoonRadius * 1.2f, w, h, [&](int x, int y, vec3 d) {
        const float a = std::acos(std::clamp(glm::dot(d, kMoonDirection), -1.0f, 1.0f));
        const float cover = std::clamp((kMoonRadius - a) * (h / kPi) + 0.5f, 0.0f, 1.0f);
        const vec2 local(glm::dot(d, east) / kMoonRadius, glm::dot(d, north) / kMoonRadius);
        const float seas =
            periodicFbm(local.x * 2.0f + 8.0f, local.y * 2.0f + 8.0f, 64, 64, 3, 51u);
        const float limb = std::sqrt(std::max(0.0f, 1.0f - glm::dot(local, local)));
        vec3 colour = glm::mix(vec3(0.98f, 0.96f, 0.86f), vec3(0.70f, 0.70f, 0.68f),
                               smoothStep(0.5f, 0.65f, seas));
        colour *= 0.8f + 0.2f * limb;
        canvas.blend(x, y, colour, cover);
    });
}

void drawTreeLine(Canvas& canvas) {
    const int w = canvas.width();
    const int h = canvas.height();
    for (int x = 0; x < w; ++x) {
        for (int y = h / 2 - h / 8; y < h / 2 + 2; ++y) {
            const vec3 d = skyDirection(x, y, w, h);
            const float e = std::asin(std::clamp(d.y, -1.0f, 1.0f));
            const float top = treeLine(longitudeOf(d));
            const float cover = std::clamp((top - e) * (h / kPi) + 0.5f, 0.0f, 1.0f);
            const vec3 silhouette = glm::mix(vec3(0.035f, 0.04f, 0.06f), vec3(0.07f, 0.07f, 0.10f),
                                             std::clamp(e / top, 0.0f, 1.0f));
            canvas.blend(x, y, silhouette, cover);
        }
    }
}

}  // namespace

vec3 skyDirection(int x, int y, int width, int height) {
    const float lon = ((x + 0.5f) / width - 0.5f) * 2.0f * kPi;
    const float lat = kPi / 2.0f - (y + 0.5f) / height * kPi;
    return vec3(std::cos(lat) * std::sin(lon), std::sin(lat), std::cos(lat) * std::cos(lon));
}

Mesh buildSky(float radius) {
    Mesh mesh;
    EllipsoidSpec shape;
    shape.radii = vec3(radius);
    shape.segments = 48;
    shape.rings = 24;
    shape.inward = true;
    addEllipsoid(mesh, shape, UvRect{0.0f, 0.0f, 1.0f, 1.0f});
    return mesh;
}

Canvas paintSky(int width, int height) {
    Canvas canvas(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const vec3 d = skyDirection(x, y, width, height);
            canvas.at(x, y) = vec4(withClouds(skyGradient(d), d), 1.0f);
        }
    }
    drawStars(canvas);
    drawMoon(canvas);
    drawTreeLine(canvas);
    return canvas;
}

}  // namespace artgen
