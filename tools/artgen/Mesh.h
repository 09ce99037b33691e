#pragma once
// Triangle meshes as the generators build them: positions, normals, texture
// coordinates and (for the kid) up to four joint influences per vertex, with
// a few shape builders (tubes, ellipsoids, boxes) and an OBJ writer.
#include <cstdint>
#include <functional>
#include <glm/glm.hpp>
#include <string>
#include <vector>

namespace artgen {

using glm::ivec4;
using glm::vec2;
using glm::vec3;
using glm::vec4;

// A rectangle of the texture in UV units (v up, as the files store it).
struct UvRect {
    float u0, v0, u1, v1;
    vec2 at(float s, float t) const { return vec2(u0 + (u1 - u0) * s, v0 + (v1 - v0) * t); }
};

// Joint influences of one vertex: unused slots have weight 0.
struct Influence {
    ivec4 joints{0};
    vec4 weights{0.0f};
    static Influence single(int joint) { return blend(joint, joint, 1.0f); }
    // weightA on jointA, the rest on jointB.
    static Influence blend(int jointA, int jointB, float weightA);
};

struct Mesh {
    std::vector<vec3> positions;
    std::vector<vec3> normals;
    std::vector<vec2> uvs;
    std::vector<Influence> influences;
    std::vector<uint32_t> indices;  // three per triangle, counter-clockwise = front

    uint32_t addVertex(vec3 p, vec3 n, vec2 uv, const Influence& inf = Influence::single(0));
    void addTriangle(uint32_t a, uint32_t b, uint32_t c);
    // Adds the triangle wound so that its front faces away from (outward) or
    // toward (inward) the reference point.
    void addTriangleFacing(uint32_t a, uint32_t b, uint32_t c, vec3 reference, bool outward = true);
    size_t triangleCount() const { return indices.size() / 3; }
    vec3 faceNormal(size_t triangle) const;

    // Normals from the faces, vertices at the same place (seams) sharing one.
    void smoothNormals(size_t firstVertex = 0);
    // Gives every triangle from firstTriangle on its own three vertices with the
    // face normal: the faceted low-poly look.
    void facet(size_t firstTriangle);
    void append(const Mesh& other);
    // Drops the vertices no triangle uses (facet leaves the shared ones behind).
    void compact();
    void bounds(vec3& lo, vec3& hi) const;
};

// One cross-section of a tube.
struct Ring {
    vec3 centre;
    float radiusA;  // along the ring's side axis (x for an upright tube)
    float radiusB;  // along its other axis (z for an upright tube)
    float v;        // texture coordinate along the tube, 0..1 within the tube's rectangle
    Influence influence = Influence::single(0);
};

// A closed tube through the rings (at least two) with sides faces around,
// optionally capped at either end. Returns the first new vertex index.
size_t addTube(Mesh& mesh, const std::vector<Ring>& rings, int sides, const UvRect& uv,
               bool capStart, bool capEnd);

// An ellipsoid (or the part of it between two latitudes, in radians, -pi/2 at the
// bottom) around centre. displace(direction) scales the radius for lumpy shapes.
// Longitude 0 (u = 0.5) faces +z. The first new vertex index is returned.
struct EllipsoidSpec {
    vec3 centre{0.0f};
    vec3 radii{1.0f};
    int segments = 12;
    int rings = 8;
    float latitudeLow = -1.5707963f;
    float latitudeHigh = 1.5707963f;
    // Lowest latitude per longitude (for cut shells like hair); overrides latitudeLow.
    std::function<float(float longitude)> lowAt;
    std::function<float(vec3 direction)> displace;
    Influence influence = Influence::single(0);
    bool inward = false;
};
size_t addEllipsoid(Mesh& mesh, const EllipsoidSpec& shape, const UvRect& uv);

// A box between lo and hi with each face mapped onto the whole rectangle.
void addBox(Mesh& mesh, vec3 lo, vec3 hi, const UvRect& uv, const Influence& inf);

// Writes positions, texture coordinates, normals and faces; no material library,
// so every mesh imports with material index 0.
void writeObj(const std::string& path, const Mesh& mesh, const std::string& comment);

}  // namespace artgen
