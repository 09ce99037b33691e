// The clearing's floor: a flat grid and a tileable grass-and-earth texture.
#include <cmath>

#include "Noise.h"
#include "Pieces.h"

namespace artgen {

namespace {

constexpr float kHalfSize = 90.0f;
constexpr int kCells = 36;
constexpr float kTextureRepeat = 15.0f;  // world units per texture tile

// Draws fn at the position and at its copies one tile away, so shapes that cross
// an edge come back in on the other side.
template <typename Fn>
void wrapped(int size, Fn fn) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) fn(vec2(dx * size, dy * size));
}

// Low where the earth shows through the grass (u, v in tile units).
float bareness(float u, float v) { return periodicFbm(u * 6.0f, v * 6.0f, 6, 6, 4, 11u); }

vec3 groundBase(float u, float v) {
    const float patches = bareness(u, v);
    const float detail = periodicFbm(u * 32.0f, v * 32.0f, 32, 32, 3, 12u);
    const float tint = periodicFbm(u * 8.0f, v * 8.0f, 8, 8, 2, 13u);
    const vec3 grassDark(0.13f, 0.20f, 0.09f);
    const vec3 grassLight(0.27f, 0.34f, 0.13f);
    const vec3 mossy(0.20f, 0.27f, 0.16f);
    const vec3 earth(0.27f, 0.20f, 0.13f);
    const vec3 earthDark(0.17f, 0.12f, 0.08f);
    vec3 grass = glm::mix(grassDark, grassLight, detail);
    grass = glm::mix(grass, mossy, smoothStep(0.45f, 0.75f, tint) * 0.6f);
    const vec3 soil = glm::mix(earthDark, earth, detail);
    const float bare = smoothStep(0.37f, 0.31f, patches);
    return glm::mix(grass, soil, bare);
}

}  // namespace

Mesh buildGround() {
    Mesh mesh;
    const float step = 2.0f * kHalfSize / kCells;
    for (int j = 0; j <= kCells; ++j) {
        for (int i = 0; i <= kCells; ++i) {
            const float x = -kHalfSize + i * step;
            const float z = -kHalfSize + j * step;
            mesh.addVertex(vec3(x, 0.0f, z), vec3(0, 1, 0),
                           vec2(x / kTextureRepeat, -z / kTextureRepeat));
        }
    }
    const vec3 below(0.0f, -1.0f, 0.0f);
    for (int j = 0; j < kCells; ++j) {
        for (int i = 0; i < kCells; ++i) {
            const uint32_t a = static_cast<uint32_t>(j * (kCells + 1) + i);
            const uint32_t b = a + 1;
            const uint32_t c = a + kCells + 1;
            const uint32_t d = c + 1;
            // Front faces up: each triangle's normal points away from a point below.
            mesh.addTriangleFacing(a, b, d, mesh.positions[a] + below);
            mesh.addTriangleFacing(a, d, c, mesh.positions[a] + below);
        }
    }
    return mesh;
}

Canvas paintGround(int size) {
    Canvas canvas(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float u = (x + 0.5f) / size;
            const float v = (y + 0.5f) / size;
            canvas.at(x, y) = vec4(groundBase(u, v), 1.0f);
        }
    }
    Rng rng(2024);
    // Grass blades: short tapered strokes, lighter or darker than the ground.
    for (int i = 0; i < 9000; ++i) {
        const vec2 p(rng.range(0.0f, size), rng.range(0.0f, size));
        const float angle = rng.range(-0.7f, 0.7f) - 1.5708f;
        const float length = rng.range(3.0f, 9.0f);
        const vec2 dir(std::cos(angle), std::sin(angle));
        const vec2 side(-dir.y, dir.x);
        const float shade = rng.unit();
        const vec3 colour = shade < 0.5f ? vec3(0.10f, 0.17f, 0.07f) : vec3(0.33f, 0.42f, 0.17f);
        if (bareness(p.x / size, p.y / size) < 0.33f) continue;
        wrapped(size, [&](vec2 off) {
            const vec2 q = p + off;
            canvas.fillPolygon({q - side * 0.8f, q + side * 0.8f, q + dir * length}, colour, 0.55f);
        });
    }
    // Pebbles and crumbs of earth where the ground is bare.
    for (int i = 0; i < 700; ++i) {
        const vec2 p(rng.range(0.0f, size), rng.range(0.0f, size));
        if (bareness(p.x / size, p.y / size) > 0.37f) continue;
        const float r = rng.range(1.0f, 3.2f);
        const float g = rng.range(0.25f, 0.42f);
        wrapped(size, [&](vec2 off) {
            canvas.fillDisc(p + off + vec2(0.6f, 0.8f), r, vec3(0.08f, 0.06f, 0.04f), 0.6f);
            canvas.fillDisc(p + off, r, vec3(g, g * 0.95f, g * 0.85f), 0.9f);
        });
    }
    // A few pale flowers that catch the last light.
    for (int i = 0; i < 60; ++i) {
        const vec2 p(rng.range(0.0f, size), rng.range(0.0f, size));
        const vec3 colour =
            rng.unit() < 0.5f ? vec3(0.85f, 0.82f, 0.70f) : vec3(0.62f, 0.52f, 0.80f);
        wrapped(size, [&](vec2 off) { canvas.fillDisc(p + off, 1.6f, colour, 0.85f); });
    }
    return canvas;
}

}  // namespace artgen
