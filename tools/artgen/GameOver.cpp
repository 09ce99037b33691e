// The game-over picture: block letters built from 5 x 7 cells, with a glow,
// a drop shadow and a tree line along the bottom. No font files are involved.
#include <cmath>
#include <map>

#include "Noise.h"
#include "Pieces.h"

namespace artgen {

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 512;

const std::map<char, const char*>& glyphs() {
    static const std::map<char, const char*> table = {
        {'A', ".###.#...##...#######...##...##...#"}, {'D', "####.#...##...##...##...##...#####."},
        {'E', "######....#....####.#....#....#####"}, {'G', ".###.#...##....#.####...##...#.###."},
        {'H', "#...##...##...#######...##...##...#"}, {'I', ".###...#....#....#....#....#...###."},
        {'K', "#...##..#.#.#..##...#.#..#..#.#...#"}, {'M', "#...###.###.#.##.#.##...##...##...#"},
        {'N', "#...###..##.#.##..###...##...##...#"}, {'O', ".###.#...##...##...##...##...#.###."},
        {'R', "####.#...##...#####.#.#..#..#.#...#"}, {'S', ".#####....#.....###.....#....#####."},
        {'T', "#####..#....#....#....#....#....#.."}, {'U', "#...##...##...##...##...##...#.###."},
        {'V', "#...##...##...##...##...#.#.#...#.."}, {'Y', "#...##...#.#.#...#....#....#....#.."},
    };
    return table;
}

// Coverage of a line of text whose top-left corner is at origin, each glyph
// cell `cell` pixels square, one empty column between letters.
std::vector<float> textMask(const std::string& text, vec2 origin, float cell) {
    std::vector<float> mask(static_cast<size_t>(kWidth) * kHeight, 0.0f);
    Canvas scratch(kWidth, kHeight, vec4(0, 0, 0, 1));
    float x = origin.x;
    for (char ch : text) {
        auto it = glyphs().find(ch);
        if (it != glyphs().end()) {
            for (int r = 0; r < 7; ++r)
                for (int c = 0; c < 5; ++c)
                    if (it->second[r * 5 + c] == '#')
                        scratch.fillRect(x + c * cell, origin.y + r * cell, x + (c + 1) * cell,
                                         origin.y + (r + 1) * cell, vec3(1.0f));
        }
        x += 6.0f * cell;
    }
    for (int y = 0; y < kHeight; ++y)
        for (int px = 0; px < kWidth; ++px)
            mask[static_cast<size_t>(y) * kWidth + px] = scratch.at(px, y).r;
    return mask;
}

float textWidth(const std::string& text, float cell) { return (6.0f * text.size() - 1.0f) * cell; }

void paintBackground(Canvas& canvas) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const vec2 d((x - kWidth * 0.5f) / kWidth, (y - kHeight * 0.45f) / kHeight);
            const float vignette = std::exp(-glm::dot(d, d) * 5.0f);
            const float n = periodicFbm(x / 128.0f, y / 128.0f, 8, 4, 4, 91u);
            const vec3 c =
                glm::mix(vec3(0.01f, 0.01f, 0.02f), vec3(0.10f, 0.04f, 0.07f), vignette) *
                (0.85f + 0.3f * n);
            canvas.at(x, y) = vec4(c, 1.0f);
        }
    }
    // A row of black conifers along the bottom edge.
    Rng rng(5);
    for (float x = -20.0f; x < kWidth + 20.0f; x += rng.range(18.0f, 42.0f)) {
        const float h = rng.range(50.0f, 120.0f);
        const float w = h * rng.range(0.28f, 0.4f);
        canvas.fillPolygon({{x - w, kHeight + 2.0f}, {x, kHeight - h}, {x + w, kHeight + 2.0f}},
                           vec3(0.0f, 0.0f, 0.005f));
    }
}

void paintText(Canvas& canvas, const std::string& text, float cell, float top, vec3 colourTop,
               vec3 colourBottom, float glowStrength) {
    // Whole pixels, so neighbouring cells meet without a seam.
    const vec2 origin(std::floor((kWidth - textWidth(text, cell)) * 0.5f), std::floor(top));
    std::vector<float> mask = textMask(text, origin, cell);
    std::vector<float> glow = mask;
    boxBlur(glow, kWidth, kHeight, static_cast<int>(cell * 0.6f) + 2, 3);
    const int shadow = static_cast<int>(cell * 0.3f) + 1;
    const float height = 7.0f * cell;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const size_t i = static_cast<size_t>(y) * kWidth + x;
            vec4& p = canvas.at(x, y);
            vec3 c = vec3(p) + vec3(0.55f, 0.06f, 0.04f) * glow[i] * glowStrength;
            if (x >= shadow && y >= shadow)
                c = glm::mix(c, vec3(0.0f), mask[i - shadow * kWidth - shadow] * 0.8f);
            const float t = std::clamp((y - top) / height, 0.0f, 1.0f);
            c = glm::mix(c, glm::mix(colourTop, colourBottom, t), mask[i]);
            p = vec4(c, 1.0f);
        }
    }
}

}  // namespace

Canvas paintGameOver() {
    Canvas canvas(kWidth, kHeight);
    paintBackground(canvas);
    paintText(canvas, "GAME OVER", 17.0f, 130.0f, vec3(1.0f, 0.42f, 0.22f),
              vec3(0.70f, 0.05f, 0.05f), 1.0f);
    paintText(canvas, "THE KID HAS SEEN YOU", 5.0f, 300.0f, vec3(0.85f, 0.80f, 0.75f),
              vec3(0.60f, 0.55f, 0.55f), 0.25f);
    return canvas;
}

}  // namespace artgen
