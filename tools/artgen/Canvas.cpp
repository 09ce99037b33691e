#include "Canvas.h"

#include <Magick++.h>

#include <algorithm>
#include <cmath>

namespace artgen {

Canvas::Canvas(int width, int height, vec4 fill)
    : w(width), h(height), pixels(static_cast<size_t>(width) * height, fill) {}

void Canvas::blend(int x, int y, vec3 colour, float coverage) {
    if (x < 0 || y < 0 || x >= w || y >= h || coverage <= 0.0f) return;
    vec4& p = at(x, y);
    const float c = std::min(coverage, 1.0f);
    p = vec4(glm::mix(vec3(p), colour, c), p.a);
}

namespace {

// Length of the overlap of [a, b) with the pixel span [i, i + 1).
float overlap(float a, float b, int i) {
    return std::max(0.0f, std::min(b, i + 1.0f) - std::max(a, static_cast<float>(i)));
}

bool insidePolygon(const std::vector<vec2>& pts, vec2 p) {
    bool inside = false;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
        const vec2 a = pts[i];
        const vec2 b = pts[j];
        if ((a.y > p.y) != (b.y > p.y)) {
            const float x = a.x + (p.y - a.y) / (b.y - a.y) * (b.x - a.x);
            if (p.x < x) inside = !inside;
        }
    }
    return inside;
}

}  // namespace

void Canvas::fillRect(float x0, float y0, float x1, float y1, vec3 colour, float opacity) {
    const int ix0 = std::max(0, static_cast<int>(std::floor(x0)));
    const int iy0 = std::max(0, static_cast<int>(std::floor(y0)));
    const int ix1 = std::min(w, static_cast<int>(std::ceil(x1)));
    const int iy1 = std::min(h, static_cast<int>(std::ceil(y1)));
    for (int y = iy0; y < iy1; ++y)
        for (int x = ix0; x < ix1; ++x)
            blend(x, y, colour, opacity * overlap(x0, x1, x) * overlap(y0, y1, y));
}

void Canvas::fillPolygon(const std::vector<vec2>& points, vec3 colour, float opacity) {
    if (points.size() < 3) return;
    vec2 lo = points[0];
    vec2 hi = points[0];
    for (const vec2& p : points) {
        lo = glm::min(lo, p);
        hi = glm::max(hi, p);
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(lo.x)));
    const int y0 = std::max(0, static_cast<int>(std::floor(lo.y)));
    const int x1 = std::min(w, static_cast<int>(std::ceil(hi.x)));
    const int y1 = std::min(h, static_cast<int>(std::ceil(hi.y)));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int s = 0; s < 16; ++s) {
                const vec2 p(x + (s % 4 + 0.5f) / 4.0f, y + (s / 4 + 0.5f) / 4.0f);
                hits += insidePolygon(points, p) ? 1 : 0;
            }
            blend(x, y, colour, opacity * hits / 16.0f);
        }
    }
}

void Canvas::fillDisc(vec2 centre, float radius, vec3 colour, float opacity) {
    const int x0 = std::max(0, static_cast<int>(std::floor(centre.x - radius - 1)));
    const int y0 = std::max(0, static_cast<int>(std::floor(centre.y - radius - 1)));
    const int x1 = std::min(w, static_cast<int>(std::ceil(centre.x + radius + 1)));
    const int y1 = std::min(h, static_cast<int>(std::ceil(centre.y + radius + 1)));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const float d = glm::length(vec2(x + 0.5f, y + 0.5f) - centre);
            blend(x, y, colour, opacity * std::clamp(radius - d + 0.5f, 0.0f, 1.0f));
        }
    }
}

std::vector<unsigned char> Canvas::rgba8() const {
    std::vector<unsigned char> bytes(pixels.size() * 4);
    for (size_t i = 0; i < pixels.size(); ++i) {
        for (int c = 0; c < 4; ++c) {
            const float v = std::clamp(pixels[i][c], 0.0f, 1.0f);
            bytes[i * 4 + c] = static_cast<unsigned char>(std::lround(v * 255.0f));
        }
    }
    return bytes;
}

void Canvas::write(const std::string& path, int jpegQuality) const {
    const std::vector<unsigned char> bytes = rgba8();
    Magick::Image image;
    image.read(static_cast<size_t>(w), static_cast<size_t>(h), "RGBA", Magick::CharPixel,
               bytes.data());
    image.depth(8);
    image.quality(static_cast<size_t>(jpegQuality));
    // Keep the files byte-for-byte repeatable: no time stamps in PNG chunks.
    image.defineValue("png", "exclude-chunks", "date,time");
    image.write(path);
}

void boxBlur(std::vector<float>& map, int width, int height, int radius, int passes) {
    std::vector<float> tmp(map.size());
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                float sum = 0.0f;
                for (int k = -radius; k <= radius; ++k)
                    sum += map[static_cast<size_t>(y) * width + std::clamp(x + k, 0, width - 1)];
                tmp[static_cast<size_t>(y) * width + x] = sum / (2 * radius + 1);
            }
        }
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                float sum = 0.0f;
                for (int k = -radius; k <= radius; ++k)
                    sum += tmp[static_cast<size_t>(std::clamp(y + k, 0, height - 1)) * width + x];
                map[static_cast<size_t>(y) * width + x] = sum / (2 * radius + 1);
            }
        }
    }
}

float smoothStep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

}  // namespace artgen
