// The two tree species and their shared bark-and-foliage atlas.
#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "Pieces.h"

namespace artgen {

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float kInset = 4.0f / 512.0f;  // keeps linear filtering inside a region

}  // namespace

// Bark on the left half, needles top right, leaves bottom right (v up).
const UvRect kBarkRect{kInset, kInset, 0.5f - kInset, 1.0f - kInset};
const UvRect kNeedleRect{0.5f + kInset, 0.5f + kInset, 1.0f - kInset, 1.0f - kInset};
const UvRect kLeafRect{0.5f + kInset, kInset, 1.0f - kInset, 0.5f - kInset};

namespace {

void addTrunk(Mesh& mesh, const std::vector<std::pair<float, float>>& heightRadius) {
    std::vector<Ring> rings;
    const float top = heightRadius.back().first;
    for (const auto& [y, r] : heightRadius) rings.push_back(Ring{vec3(0, y, 0), r, r, y / top});
    const size_t first = addTube(mesh, rings, 8, kBarkRect, false, true);
    mesh.smoothNormals(first);
}

// One drooping layer of the conifer: a jagged skirt, a mid ring and a tip,
// closed underneath toward the trunk.
void addConiferLayer(Mesh& mesh, float baseY, float height, float radius, int sides,
                     uint32_t seed) {
    const size_t firstTriangle = mesh.triangleCount();
    const vec3 tip(0.0f, baseY + height, 0.0f);
    const vec3 inside(0.0f, baseY + height * 0.3f, 0.0f);
    std::vector<uint32_t> skirt, middle, under;
    for (int s = 0; s <= sides; ++s) {
        const int k = s % sides;
        const float a = 2.0f * kPi * s / sides;
        const float jag = 0.85f + 0.3f * hashUnit(k, 1, seed);
        const float droop = 0.25f * hashUnit(k, 2, seed);
        const vec3 dir(std::cos(a), 0.0f, std::sin(a));
        const float u = static_cast<float>(s) / sides;
        skirt.push_back(mesh.addVertex(vec3(0, baseY - droop, 0) + dir * radius * jag, dir,
                                       kNeedleRect.at(u, 0.0f)));
        middle.push_back(mesh.addVertex(vec3(0, baseY + height * 0.45f, 0) + dir * radius * 0.5f,
                                        dir, kNeedleRect.at(u, 0.5f)));
        under.push_back(
            mesh.addVertex(vec3(0, baseY + 0.5f, 0) + dir * 0.45f, -dir, kNeedleRect.at(u, 0.15f)));
    }
    const uint32_t apex = mesh.addVertex(tip, vec3(0, 1, 0), kNeedleRect.at(0.5f, 1.0f));
    for (int s = 0; s < sides; ++s) {
        mesh.addTriangleFacing(skirt[s], skirt[s + 1], middle[s + 1], inside);
        mesh.addTriangleFacing(skirt[s], middle[s + 1], middle[s], inside);
        mesh.addTriangleFacing(middle[s], middle[s + 1], apex, inside);
        // The underside faces down and out, seen from below the branches.
        const vec3 above(0.0f, baseY + height, 0.0f);
        mesh.addTriangleFacing(skirt[s], under[s + 1], skirt[s + 1], above);
        mesh.addTriangleFacing(skirt[s], under[s], under[s + 1], above);
    }
    mesh.facet(firstTriangle);
}

// A lumpy blob of the broadleaf's crown.
void addLeafClump(Mesh& mesh, vec3 centre, vec3 radii, uint32_t seed) {
    const size_t firstTriangle = mesh.triangleCount();
    EllipsoidSpec shape;
    shape.centre = centre;
    shape.radii = radii;
    shape.segments = 9;
    shape.rings = 6;
    const float p1 = hashUnit(1, 1, seed) * 6.28f;
    const float p2 = hashUnit(2, 1, seed) * 6.28f;
    shape.displace = [p1, p2](vec3 d) {
        return 1.0f + 0.13f * std::sin(3.1f * d.x + p1) * std::cos(2.7f * d.z + p2) +
               0.08f * std::sin(5.3f * d.y + p2);
    };
    addEllipsoid(mesh, shape, kLeafRect);
    mesh.facet(firstTriangle);
}

void addBranch(Mesh& mesh, vec3 from, vec3 to, float r0, float r1) {
    std::vector<Ring> rings{Ring{from, r0, r0, 0.2f},
                            Ring{(from + to) * 0.5f, (r0 + r1) * 0.5f, (r0 + r1) * 0.5f, 0.5f},
                            Ring{to, r1, r1, 0.8f}};
    const size_t first = addTube(mesh, rings, 6, kBarkRect, false, true);
    mesh.smoothNormals(first);
}

}  // namespace

Mesh buildConifer() {
    Mesh mesh;
    addTrunk(mesh, {{0.0f, 0.5f}, {1.2f, 0.42f}, {3.0f, 0.36f}, {7.0f, 0.24f}, {10.5f, 0.1f}});
    const int layers = 5;
    for (int k = 0; k < layers; ++k) {
        const float baseY = 2.3f + k * 1.75f;
        const float radius = 4.0f - 0.62f * k;
        const float height = 3.2f - 0.12f * k;
        addConiferLayer(mesh, baseY, height, radius, 10, 100u + k);
    }
    mesh.compact();
    return mesh;
}

Mesh buildBroadleaf() {
    Mesh mesh;
    addTrunk(mesh, {{0.0f, 0.5f}, {0.8f, 0.4f}, {3.0f, 0.34f}, {5.5f, 0.27f}, {7.5f, 0.16f}});
    addBranch(mesh, vec3(0.0f, 4.2f, 0.0f), vec3(2.2f, 6.6f, 0.6f), 0.2f, 0.08f);
    addBranch(mesh, vec3(0.0f, 4.8f, 0.0f), vec3(-1.8f, 7.0f, -1.2f), 0.18f, 0.08f);
    addBranch(mesh, vec3(0.0f, 5.3f, 0.0f), vec3(-0.4f, 7.2f, 2.0f), 0.16f, 0.07f);
    struct Clump {
        vec3 centre;
        vec3 radii;
    };
    const Clump clumps[] = {
        {{0.0f, 8.6f, 0.0f}, {2.7f, 2.3f, 2.7f}},   {{2.2f, 7.3f, 0.7f}, {2.0f, 1.7f, 2.0f}},
        {{-1.9f, 7.6f, -1.2f}, {2.1f, 1.8f, 2.0f}}, {{-0.5f, 7.4f, 2.1f}, {1.9f, 1.6f, 1.9f}},
        {{0.9f, 7.8f, -2.0f}, {1.8f, 1.6f, 1.8f}},  {{0.3f, 10.2f, 0.3f}, {1.7f, 1.4f, 1.7f}},
    };
    uint32_t seed = 300u;
    for (const Clump& c : clumps) addLeafClump(mesh, c.centre, c.radii, seed++);
    mesh.compact();
    return mesh;
}

namespace {

void paintBark(Canvas& canvas, int size) {
    const int width = size / 2;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < width; ++x) {
            const float u = (x + 0.5f) / width;
            const float v = (y + 0.5f) / size;
            // Furrows run along the trunk: fine across (u), long along (v).
            const float furrow = periodicFbm(u * 12.0f, v * 2.0f, 12, 2, 4, 61u);
            const float grain = periodicFbm(u * 40.0f, v * 24.0f, 40, 24, 2, 62u);
            const vec3 light(0.36f, 0.27f, 0.19f);
            const vec3 dark(0.12f, 0.08f, 0.06f);
            vec3 c = glm::mix(dark, light, smoothStep(0.35f, 0.65f, furrow) * 0.8f + grain * 0.2f);
            const float moss = periodicFbm(u * 4.0f, v * 3.0f, 4, 3, 3, 63u);
            c = glm::mix(c, vec3(0.20f, 0.27f, 0.12f), smoothStep(0.6f, 0.75f, moss) * 0.5f);
            canvas.at(x, y) = vec4(c, 1.0f);
        }
    }
}

void paintFoliage(Canvas& canvas, int x0, int y0, int cell, vec3 dark, vec3 light, bool needles,
                  uint32_t seed) {
    for (int y = 0; y < cell; ++y) {
        for (int x = 0; x < cell; ++x) {
            const float n = periodicFbm(x * 8.0f / cell, y * 8.0f / cell, 8, 8, 3, seed);
            canvas.at(x0 + x, y0 + y) = vec4(glm::mix(dark, light, n * 0.6f), 1.0f);
        }
    }
    Rng rng(seed);
    const int count = needles ? 2600 : 900;
    for (int i = 0; i < count; ++i) {
        const vec2 p(x0 + rng.range(8.0f, cell - 8.0f), y0 + rng.range(8.0f, cell - 8.0f));
        const float shade = rng.unit();
        vec3 colour = glm::mix(dark * 0.7f, light * 1.2f, shade);
        if (!needles && rng.unit() < 0.06f)
            colour = vec3(0.72f, 0.42f, 0.12f);  // an early autumn leaf
        if (needles) {
            const float a = rng.range(0.9f, 2.2f);
            const vec2 d(std::cos(a) * 6.0f, std::sin(a) * 6.0f);
            canvas.fillPolygon({p - d, p + vec2(-d.y, d.x) * 0.1f, p + d}, colour, 0.8f);
        } else {
            const float r = rng.range(2.5f, 5.5f);
            const float a = rng.range(0.0f, kPi);
            const vec2 d(std::cos(a) * r, std::sin(a) * r);
            const vec2 s(-d.y * 0.5f, d.x * 0.5f);
            canvas.fillPolygon({p - d, p + s, p + d, p - s}, colour, 0.85f);
        }
    }
}

}  // namespace

Canvas paintTreeAtlas(int size) {
    Canvas canvas(size, size);
    paintBark(canvas, size);
    const int cell = size / 2;
    // Image rows run top down: the needle region (v high) is the top right.
    paintFoliage(canvas, cell, 0, cell, vec3(0.05f, 0.16f, 0.10f), vec3(0.16f, 0.36f, 0.22f), true,
                 71u);
    paintFoliage(canvas, cell, cell, cell, vec3(0.12f, 0.26f, 0.07f), vec3(0.36f, 0.52f, 0.16f),
                 false, 72u);
    return canvas;
}

}  // namespace artgen
