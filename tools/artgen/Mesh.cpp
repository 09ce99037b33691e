#include "Mesh.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <tuple>

namespace artgen {

namespace {
constexpr float kPi = 3.14159265358979f;
}

Influence Influence::blend(int jointA, int jointB, float weightA) {
    Influence inf;
    if (jointA == jointB || weightA >= 1.0f) {
        inf.joints = ivec4(jointA, 0, 0, 0);
        inf.weights = vec4(1.0f, 0.0f, 0.0f, 0.0f);
    } else {
        inf.joints = ivec4(jointA, jointB, 0, 0);
        inf.weights = vec4(weightA, 1.0f - weightA, 0.0f, 0.0f);
    }
    return inf;
}

uint32_t Mesh::addVertex(vec3 p, vec3 n, vec2 uv, const Influence& inf) {
    positions.push_back(p);
    normals.push_back(n);
    uvs.push_back(uv);
    influences.push_back(inf);
    return static_cast<uint32_t>(positions.size() - 1);
}

void Mesh::addTriangle(uint32_t a, uint32_t b, uint32_t c) {
    indices.push_back(a);
    indices.push_back(b);
    indices.push_back(c);
}

void Mesh::addTriangleFacing(uint32_t a, uint32_t b, uint32_t c, vec3 reference, bool outward) {
    const vec3 n = glm::cross(positions[b] - positions[a], positions[c] - positions[a]);
    const vec3 centroid = (positions[a] + positions[b] + positions[c]) / 3.0f;
    const bool facesAway = glm::dot(n, centroid - reference) >= 0.0f;
    if (facesAway == outward)
        addTriangle(a, b, c);
    else
        addTriangle(a, c, b);
}

vec3 Mesh::faceNormal(size_t t) const {
    const vec3 a = positions[indices[3 * t]];
    const vec3 b = positions[indices[3 * t + 1]];
    const vec3 c = positions[indices[3 * t + 2]];
    const vec3 n = glm::cross(b - a, c - a);
    const float len = glm::length(n);
    return len > 0.0f ? n / len : vec3(0, 1, 0);
}

void Mesh::smoothNormals(size_t firstVertex) {
    // Quantised position -> summed normal, so the duplicated seam vertices agree.
    std::map<std::tuple<long, long, long>, vec3> sums;
    auto key = [](vec3 p) {
        return std::make_tuple(std::lround(p.x * 1e4f), std::lround(p.y * 1e4f),
                               std::lround(p.z * 1e4f));
    };
    for (size_t t = 0; t < triangleCount(); ++t) {
        const vec3 a = positions[indices[3 * t]];
        const vec3 n =
            glm::cross(positions[indices[3 * t + 1]] - a, positions[indices[3 * t + 2]] - a);
        for (int k = 0; k < 3; ++k) {
            const uint32_t v = indices[3 * t + k];
            if (v >= firstVertex) sums[key(positions[v])] += n;
        }
    }
    for (size_t v = firstVertex; v < positions.size(); ++v) {
        const vec3 s = sums[key(positions[v])];
        const float len = glm::length(s);
        normals[v] = len > 0.0f ? s / len : vec3(0, 1, 0);
    }
}

void Mesh::facet(size_t firstTriangle) {
    const size_t count = triangleCount();
    for (size_t t = firstTriangle; t < count; ++t) {
        const vec3 n = faceNormal(t);
        for (int k = 0; k < 3; ++k) {
            const uint32_t v = indices[3 * t + k];
            indices[3 * t + k] = addVertex(positions[v], n, uvs[v], influences[v]);
        }
    }
}

void Mesh::append(const Mesh& other) {
    const uint32_t base = static_cast<uint32_t>(positions.size());
    positions.insert(positions.end(), other.positions.begin(), other.positions.end());
    normals.insert(normals.end(), other.normals.begin(), other.normals.end());
    uvs.insert(uvs.end(), other.uvs.begin(), other.uvs.end());
    influences.insert(influences.end(), other.influences.begin(), other.influences.end());
    for (uint32_t i : other.indices) indices.push_back(base + i);
}

void Mesh::compact() {
    std::vector<int64_t> remap(positions.size(), -1);
    Mesh kept;
    for (uint32_t& i : indices) {
        if (remap[i] < 0)
            remap[i] = kept.addVertex(positions[i], normals[i], uvs[i], influences[i]);
        i = static_cast<uint32_t>(remap[i]);
    }
    positions = std::move(kept.positions);
    normals = std::move(kept.normals);
    uvs = std::move(kept.uvs);
    influences = std::move(kept.influences);
}

void Mesh::bounds(vec3& lo, vec3& hi) const {
    lo = vec3(1e30f);
    hi = vec3(-1e30f);
    for (const vec3& p : positions) {
        lo = glm::min(lo, p);
        hi = glm::max(hi, p);
    }
}

size_t addTube(Mesh& mesh, const std::vector<Ring>& rings, int sides, const UvRect& uv,
               bool capStart, bool capEnd) {
    const size_t first = mesh.positions.size();
    const size_t n = rings.size();
    std::vector<vec3> axes(n);
    for (size_t i = 0; i < n; ++i) {
        const vec3 a = rings[i == 0 ? 0 : i - 1].centre;
        const vec3 b = rings[i + 1 < n ? i + 1 : i].centre;
        axes[i] = glm::normalize(b - a);
    }
    for (size_t i = 0; i < n; ++i) {
        // Side axis: world x made perpendicular to the tube (z when the tube runs along x).
        const vec3 ref = std::fabs(axes[i].x) > 0.9f ? vec3(0, 0, 1) : vec3(1, 0, 0);
        const vec3 side = glm::normalize(ref - axes[i] * glm::dot(ref, axes[i]));
        const vec3 other = glm::normalize(glm::cross(side, axes[i]));
        for (int s = 0; s <= sides; ++s) {
            const float a = 2.0f * kPi * static_cast<float>(s) / sides;
            const vec3 dir =
                side * std::cos(a) * rings[i].radiusA + other * std::sin(a) * rings[i].radiusB;
            mesh.addVertex(rings[i].centre + dir, glm::normalize(dir),
                           uv.at(static_cast<float>(s) / sides, rings[i].v), rings[i].influence);
        }
    }
    const uint32_t stride = static_cast<uint32_t>(sides + 1);
    for (size_t i = 0; i + 1 < n; ++i) {
        const vec3 mid = (rings[i].centre + rings[i + 1].centre) * 0.5f;
        for (int s = 0; s < sides; ++s) {
            const uint32_t a = static_cast<uint32_t>(first + i * stride + s);
            const uint32_t b = a + 1;
            const uint32_t c = a + stride;
            const uint32_t d = c + 1;
            mesh.addTriangleFacing(a, b, d, mid);
            mesh.addTriangleFacing(a, d, c, mid);
        }
    }
    auto cap = [&](size_t ringIndex, vec3 inside) {
        const Ring& r = rings[ringIndex];
        const uint32_t centre =
            mesh.addVertex(r.centre, vec3(0, 1, 0), uv.at(0.5f, r.v), r.influence);
        for (int s = 0; s < sides; ++s) {
            const uint32_t a = static_cast<uint32_t>(first + ringIndex * stride + s);
            mesh.addTriangleFacing(centre, a, a + 1, inside);
        }
    };
    if (capStart) cap(0, rings[0].centre + axes[0] * 0.01f);
    if (capEnd) cap(n - 1, rings[n - 1].centre - axes[n - 1] * 0.01f);
    return first;
}

size_t addEllipsoid(Mesh& mesh, const EllipsoidSpec& shape, const UvRect& uv) {
    const size_t first = mesh.positions.size();
    const uint32_t stride = static_cast<uint32_t>(shape.segments + 1);
    const float poleTolerance = 1e-4f * std::max({shape.radii.x, shape.radii.y, shape.radii.z});
    for (int r = 0; r <= shape.rings; ++r) {
        const float t = static_cast<float>(r) / shape.rings;
        for (int s = 0; s <= shape.segments; ++s) {
            const float su = static_cast<float>(s) / shape.segments;
            const float lon = (su - 0.5f) * 2.0f * kPi;  // 0 faces +z
            const float low = shape.lowAt ? shape.lowAt(lon) : shape.latitudeLow;
            const float lat = low + (shape.latitudeHigh - low) * t;
            const vec3 dir(std::cos(lat) * std::sin(lon), std::sin(lat),
                           std::cos(lat) * std::cos(lon));
            const float scale = shape.displace ? shape.displace(dir) : 1.0f;
            const vec3 p = shape.centre + dir * shape.radii * scale;
            const vec3 n = glm::normalize(dir / shape.radii);
            mesh.addVertex(p, shape.inward ? -n : n, uv.at(su, t), shape.influence);
        }
    }
    for (int r = 0; r < shape.rings; ++r) {
        for (int s = 0; s < shape.segments; ++s) {
            const uint32_t a = static_cast<uint32_t>(first + r * stride + s);
            const uint32_t b = a + 1;
            const uint32_t c = a + stride;
            const uint32_t d = c + 1;
            // Skip the slivers that collapse onto a pole (float cos(pi/2) is not 0).
            if (glm::length(mesh.positions[a] - mesh.positions[b]) > poleTolerance)
                mesh.addTriangleFacing(a, b, d, shape.centre, !shape.inward);
            if (glm::length(mesh.positions[c] - mesh.positions[d]) > poleTolerance)
                mesh.addTriangleFacing(a, d, c, shape.centre, !shape.inward);
        }
    }
    return first;
}

void addBox(Mesh& mesh, vec3 lo, vec3 hi, const UvRect& uv, const Influence& inf) {
    const vec3 centre = (lo + hi) * 0.5f;
    const vec3 c[8] = {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z},
                       {lo.x, hi.y, lo.z}, {lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z},
                       {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}};
    const int faces[6][4] = {{0, 1, 2, 3}, {5, 4, 7, 6}, {4, 0, 3, 7},
                             {1, 5, 6, 2}, {3, 2, 6, 7}, {4, 5, 1, 0}};
    for (const auto& f : faces) {
        const vec3 n = glm::normalize((c[f[0]] + c[f[2]]) * 0.5f - centre);
        const uint32_t a = mesh.addVertex(c[f[0]], n, uv.at(0, 0), inf);
        const uint32_t b = mesh.addVertex(c[f[1]], n, uv.at(1, 0), inf);
        const uint32_t d = mesh.addVertex(c[f[2]], n, uv.at(1, 1), inf);
        const uint32_t e = mesh.addVertex(c[f[3]], n, uv.at(0, 1), inf);
        mesh.addTriangleFacing(a, b, d, centre);
        mesh.addTriangleFacing(a, d, e, centre);
    }
}

void writeObj(const std::string& path, const Mesh& mesh, const std::string& comment) {
    FILE* f = std::fopen(path.c_str(), "w");
    if (!f) throw std::runtime_error("cannot write " + path);
    std::fprintf(f, "# %s\n# Generated by Duskhollow's artgen.\no %s\n", comment.c_str(),
                 comment.c_str());
    for (const vec3& p : mesh.positions) std::fprintf(f, "v %.5f %.5f %.5f\n", p.x, p.y, p.z);
    for (const vec2& t : mesh.uvs) std::fprintf(f, "vt %.5f %.5f\n", t.x, t.y);
    for (const vec3& n : mesh.normals) std::fprintf(f, "vn %.4f %.4f %.4f\n", n.x, n.y, n.z);
    for (size_t i = 0; i < mesh.indices.size(); i += 3) {
        std::fprintf(f, "f");
        for (int k = 0; k < 3; ++k) {
            const uint32_t v = mesh.indices[i + k] + 1;
            std::fprintf(f, " %u/%u/%u", v, v, v);
        }
        std::fprintf(f, "\n");
    }
    if (std::fclose(f) != 0) throw std::runtime_error("cannot finish " + path);
}

}  // namespace artgen
