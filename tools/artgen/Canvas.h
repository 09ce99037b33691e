#pragma once
// A floating-point RGBA picture that the generators paint into, written out
// through Magick++ as 8-bit samples.
#include <glm/glm.hpp>
#include <string>
#include <vector>

namespace artgen {

using glm::vec2;
using glm::vec3;
using glm::vec4;

class Canvas {
public:
    Canvas(int width, int height, vec4 fill = vec4(0, 0, 0, 1));

    int width() const { return w; }
    int height() const { return h; }
    vec4& at(int x, int y) { return pixels[static_cast<size_t>(y) * w + x]; }
    const vec4& at(int x, int y) const { return pixels[static_cast<size_t>(y) * w + x]; }

    // Mixes colour into the pixel by coverage (0..1); alpha of the pixel is kept.
    void blend(int x, int y, vec3 colour, float coverage);
    // Axis-aligned rectangle in pixel coordinates (x0, y0 inclusive, x1, y1 exclusive),
    // anti-aliased at fractional edges.
    void fillRect(float x0, float y0, float x1, float y1, vec3 colour, float opacity = 1.0f);
    // Convex or concave polygon, even-odd rule, 4 x 4 samples per pixel.
    void fillPolygon(const std::vector<vec2>& points, vec3 colour, float opacity = 1.0f);
    // Disc with a soft rim of one pixel.
    void fillDisc(vec2 centre, float radius, vec3 colour, float opacity = 1.0f);

    // 8-bit samples, rows top first, 4 per pixel.
    std::vector<unsigned char> rgba8() const;
    // Writes through Magick++; the format follows the name's extension and
    // "PNG32:" style prefixes. Dates are left out so the bytes are repeatable.
    void write(const std::string& path, int jpegQuality = 92) const;

private:
    int w;
    int h;
    std::vector<vec4> pixels;
};

// Separable box blur of a single-channel map, repeated passes approximate a Gaussian.
void boxBlur(std::vector<float>& map, int width, int height, int radius, int passes);

// Smooth Hermite step, as GLSL's smoothstep.
float smoothStep(float edge0, float edge1, float x);

}  // namespace artgen
