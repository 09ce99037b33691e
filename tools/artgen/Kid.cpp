// The kid's body, skeleton, walk cycle and texture atlas.
#include "Kid.h"

#include <algorithm>
#include <cmath>
#include <glm/gtc/matrix_transform.hpp>

#include "Noise.h"

namespace artgen {

namespace {

constexpr float kPi = 3.14159265358979f;

enum JointId {
    kPelvis,
    kSpine,
    kChest,
    kNeck,
    kHead,
    kShoulderL,
    kUpperArmL,
    kForearmL,
    kHandL,
    kShoulderR,
    kUpperArmR,
    kForearmR,
    kHandR,
    kThighL,
    kShinL,
    kFootL,
    kThighR,
    kShinR,
    kFootR,
    kJointCount
};

// Atlas cells (v up). Image rows: torso, arms and legs in the top half; face,
// hair, shoes and plain skin in the bottom half.
constexpr float kIn = 3.0f / 512.0f;
const UvRect kTorsoRect{0.0f + kIn, 0.5f + kIn, 0.5f - kIn, 1.0f - kIn};
const UvRect kArmRect{0.5f + kIn, 0.5f + kIn, 0.75f - kIn, 1.0f - kIn};
const UvRect kLegRect{0.75f + kIn, 0.5f + kIn, 1.0f - kIn, 1.0f - kIn};
const UvRect kFaceRect{0.0f + kIn, 0.0f + kIn, 0.5f - kIn, 0.5f - kIn};
const UvRect kHairRect{0.5f + kIn, 0.25f + kIn, 0.75f - kIn, 0.5f - kIn};
const UvRect kShoeRect{0.75f + kIn, 0.25f + kIn, 1.0f - kIn, 0.5f - kIn};
const UvRect kSkinRect{0.5f + kIn, 0.0f + kIn, 0.75f - kIn, 0.25f - kIn};

// Where the bands of the torso and arm cells change (fractions along the tube).
constexpr float kBeltLow = 0.19f, kBeltHigh = 0.25f;  // trousers below, shirt above
constexpr float kStripeLow = 0.50f, kStripeHigh = 0.57f;
constexpr float kCollar = 0.82f, kNeckSkin = 0.86f;
constexpr float kSleeveEnd = 0.40f;
constexpr float kCuff = 0.86f;

// The head: centre and radii, shared by the mesh and the face painting.
const vec3 kHeadCentre(0.0f, 2.13f, 0.02f);
const vec3 kHeadRadii(0.27f, 0.28f, 0.26f);

const vec3 kShirt(1.0f, 0.80f, 0.10f);
const vec3 kStripe(0.95f, 0.22f, 0.12f);
const vec3 kTrousers(0.16f, 0.40f, 0.95f);
const vec3 kSkin(0.98f, 0.78f, 0.64f);
const vec3 kHair(0.50f, 0.25f, 0.08f);
const vec3 kShoe(0.92f, 0.14f, 0.14f);

std::vector<Joint> skeleton() {
    std::vector<Joint> j(kJointCount);
    j[kPelvis] = {"pelvis", -1, {0.0f, 1.10f, 0.0f}};
    j[kSpine] = {"spine", kPelvis, {0.0f, 1.32f, 0.0f}};
    j[kChest] = {"chest", kSpine, {0.0f, 1.52f, 0.0f}};
    j[kNeck] = {"neck", kChest, {0.0f, 1.78f, 0.0f}};
    j[kHead] = {"head", kNeck, {0.0f, 1.90f, 0.0f}};
    for (int side = 0; side < 2; ++side) {
        const float x = side == 0 ? 1.0f : -1.0f;  // the kid's left is +x (it faces +z)
        const std::string s = side == 0 ? "_L" : "_R";
        const int o = side == 0 ? 0 : kShoulderR - kShoulderL;
        j[kShoulderL + o] = {"shoulder" + s, kChest, {0.12f * x, 1.72f, 0.0f}};
        j[kUpperArmL + o] = {"upperarm" + s, kShoulderL + o, {0.31f * x, 1.72f, 0.0f}};
        j[kForearmL + o] = {"forearm" + s, kUpperArmL + o, {0.35f * x, 1.42f, 0.0f}};
        j[kHandL + o] = {"hand" + s, kForearmL + o, {0.38f * x, 1.12f, 0.0f}};
        const int l = side == 0 ? 0 : kThighR - kThighL;
        j[kThighL + l] = {"thigh" + s, kPelvis, {0.13f * x, 1.06f, 0.0f}};
        j[kShinL + l] = {"shin" + s, kThighL + l, {0.13f * x, 0.60f, 0.0f}};
        j[kFootL + l] = {"foot" + s, kShinL + l, {0.13f * x, 0.13f, 0.0f}};
    }
    return j;
}

Ring ring(vec3 c, float rx, float rz, float v, const Influence& inf) {
    return Ring{c, rx, rz, v, inf};
}

void addTorso(Mesh& mesh) {
    using I = Influence;
    const std::vector<Ring> rings{
        ring({0, 0.96f, 0}, 0.20f, 0.14f, 0.00f, I::single(kPelvis)),
        ring({0, 1.08f, 0}, 0.24f, 0.155f, 0.11f, I::single(kPelvis)),
        ring({0, 1.22f, 0}, 0.25f, 0.16f, 0.22f, I::blend(kPelvis, kSpine, 0.6f)),
        ring({0, 1.36f, 0.005f}, 0.245f, 0.155f, 0.36f, I::single(kSpine)),
        ring({0, 1.50f, 0.01f}, 0.26f, 0.165f, 0.50f, I::blend(kSpine, kChest, 0.5f)),
        ring({0, 1.64f, 0.01f}, 0.28f, 0.17f, 0.64f, I::single(kChest)),
        ring({0, 1.74f, 0.0f}, 0.25f, 0.15f, 0.76f, I::single(kChest)),
        ring({0, 1.79f, 0.0f}, 0.12f, 0.10f, 0.84f, I::single(kChest)),
        ring({0, 1.84f, 0.0f}, 0.075f, 0.07f, 0.90f, I::single(kNeck)),
        ring({0, 1.98f, 0.0f}, 0.07f, 0.065f, 1.00f, I::blend(kNeck, kHead, 0.5f)),
    };
    addTube(mesh, rings, 12, kTorsoRect, true, true);
}

void addLeg(Mesh& mesh, float x, int thigh, int shin, int foot) {
    using I = Influence;
    const std::vector<Ring> rings{
        ring({x, 1.14f, 0}, 0.115f, 0.115f, 0.00f, I::blend(thigh, kPelvis, 0.6f)),
        ring({x, 0.98f, 0}, 0.115f, 0.115f, 0.12f, I::single(thigh)),
        ring({x, 0.72f, 0}, 0.097f, 0.097f, 0.40f, I::single(thigh)),
        ring({x, 0.60f, 0.005f}, 0.092f, 0.092f, 0.50f, I::blend(thigh, shin, 0.5f)),
        ring({x, 0.48f, 0}, 0.087f, 0.087f, 0.62f, I::single(shin)),
        ring({x, 0.22f, 0}, 0.078f, 0.078f, 0.90f, I::single(shin)),
        ring({x, 0.13f, 0}, 0.072f, 0.072f, 1.00f, I::single(shin)),
    };
    addTube(mesh, rings, 8, kLegRect, false, true);
    // The shoe: a tube running heel to toe, flat side on the ground.
    const std::vector<Ring> shoe{
        ring({x, 0.075f, -0.10f}, 0.055f, 0.055f, 0.0f, I::single(foot)),
        ring({x, 0.08f, -0.07f}, 0.082f, 0.08f, 0.15f, I::single(foot)),
        ring({x, 0.08f, 0.08f}, 0.088f, 0.08f, 0.60f, I::single(foot)),
        ring({x, 0.065f, 0.20f}, 0.075f, 0.065f, 0.92f, I::single(foot)),
        ring({x, 0.055f, 0.24f}, 0.045f, 0.045f, 1.0f, I::single(foot)),
    };
    addTube(mesh, shoe, 8, kShoeRect, true, true);
}

void addArm(Mesh& mesh, float x, int shoulder, int upper, int fore, int hand) {
    using I = Influence;
    const std::vector<Ring> rings{
        ring({0.27f * x, 1.76f, 0}, 0.085f, 0.085f, 0.00f, I::blend(shoulder, upper, 0.5f)),
        ring({0.31f * x, 1.68f, 0}, 0.082f, 0.082f, 0.12f, I::single(upper)),
        ring({0.33f * x, 1.53f, 0}, 0.074f, 0.074f, 0.34f, I::single(upper)),
        ring({0.35f * x, 1.42f, 0}, 0.066f, 0.066f, 0.50f, I::blend(upper, fore, 0.5f)),
        ring({0.36f * x, 1.32f, 0}, 0.061f, 0.061f, 0.62f, I::single(fore)),
        ring({0.38f * x, 1.15f, 0}, 0.052f, 0.052f, 0.90f, I::single(fore)),
        ring({0.38f * x, 1.11f, 0}, 0.05f, 0.05f, 1.00f, I::blend(hand, fore, 0.5f)),
    };
    addTube(mesh, rings, 8, kArmRect, false, true);
    EllipsoidSpec palm;
    palm.centre = vec3(0.385f * x, 1.03f, 0.01f);
    palm.radii = vec3(0.055f, 0.085f, 0.07f);
    palm.segments = 8;
    palm.rings = 6;
    palm.influence = I::single(hand);
    addEllipsoid(mesh, palm, kSkinRect);
}

void addHead(Mesh& mesh) {
    EllipsoidSpec head;
    head.centre = kHeadCentre;
    head.radii = kHeadRadii;
    head.segments = 14;
    head.rings = 10;
    head.influence = Influence::single(kHead);
    const size_t first = addEllipsoid(mesh, head, kFaceRect);
    // Face: projected straight along z, so the features keep their shapes; the
    // back of the head (which the same projection also reaches) is under the hair.
    for (size_t v = first; v < mesh.positions.size(); ++v) {
        const vec3 p = mesh.positions[v] - kHeadCentre;
        mesh.uvs[v] =
            kFaceRect.at(0.5f + 0.5f * p.x / kHeadRadii.x, 0.5f + 0.5f * p.y / kHeadRadii.y);
    }
    EllipsoidSpec nose;
    nose.centre = kHeadCentre + vec3(0.0f, -0.05f, kHeadRadii.z - 0.005f);
    nose.radii = vec3(0.04f, 0.035f, 0.04f);
    nose.segments = 6;
    nose.rings = 4;
    nose.influence = Influence::single(kHead);
    addEllipsoid(mesh, nose, kSkinRect);
    mesh.smoothNormals(first);

    EllipsoidSpec hair;
    hair.centre = kHeadCentre + vec3(0.0f, 0.02f, -0.02f);
    hair.radii = kHeadRadii * vec3(1.08f, 1.08f, 1.10f);
    hair.segments = 14;
    hair.rings = 8;
    hair.influence = Influence::single(kHead);
    // Fringe above the eyes in front, lower over the ears, down to the neck behind.
    hair.lowAt = [](float lon) { return 0.30f - 1.18f * smoothStep(0.55f, 2.5f, std::fabs(lon)); };
    // A few tufts make the outline less perfect.
    hair.displace = [](vec3 d) {
        return 1.0f + 0.05f * std::max(0.0f, std::sin(9.0f * std::atan2(d.x, d.z))) *
                          (d.y > 0.2f ? 1.0f : 0.3f);
    };
    const size_t hairStart = mesh.triangleCount();
    addEllipsoid(mesh, hair, kHairRect);
    mesh.facet(hairStart);
}

// Parent-relative joint rotations of the walk at time t (seconds); the pelvis
// height is settled afterwards so a foot always touches the ground.
std::vector<mat4> walkPose(const std::vector<Joint>& joints, float t) {
    const float p = 2.0f * kPi * t / kWalkCycleSeconds;
    const float s = std::sin(p);
    const float c = std::cos(p);
    std::vector<mat4> rot(joints.size(), mat4(1.0f));
    auto rx = [](float a) { return glm::rotate(mat4(1.0f), a, vec3(1, 0, 0)); };
    auto ry = [](float a) { return glm::rotate(mat4(1.0f), a, vec3(0, 1, 0)); };
    auto rz = [](float a) { return glm::rotate(mat4(1.0f), a, vec3(0, 0, 1)); };
    rot[kPelvis] = ry(-0.10f * s);
    rot[kSpine] = rx(0.05f) * ry(0.05f * s);
    rot[kChest] = ry(0.10f * s);
    rot[kNeck] = ry(-0.03f * s);
    rot[kHead] = rx(0.03f * std::cos(2.0f * p)) * ry(-0.04f * s);
    for (int side = 0; side < 2; ++side) {
        const float sigma = side == 0 ? 1.0f : -1.0f;
        const int l = side == 0 ? 0 : kThighR - kThighL;
        const int a = side == 0 ? 0 : kShoulderR - kShoulderL;
        // A positive turn about x swings a hanging limb backward (-z).
        const float swing = -0.42f * sigma * s;
        const float knee = 0.08f + 0.75f * std::pow(std::max(0.0f, sigma * c), 1.5f);
        rot[kThighL + l] = rx(swing);
        rot[kShinL + l] = rx(knee);
        rot[kFootL + l] = rx(-(swing + knee) * 0.85f);
        rot[kShoulderL + a] = rx(0.08f * sigma * s);
        rot[kUpperArmL + a] = rz(0.07f * sigma) * rx(0.45f * sigma * s);
        rot[kForearmL + a] = rx(-(0.25f + 0.35f * std::max(0.0f, -sigma * s)));
        rot[kHandL + a] = rx(-0.1f);
    }
    std::vector<mat4> local(joints.size());
    for (size_t j = 0; j < joints.size(); ++j) {
        const vec3 parent =
            joints[j].parent < 0 ? vec3(0.0f) : joints[joints[j].parent].bindPosition;
        local[j] = glm::translate(mat4(1.0f), joints[j].bindPosition - parent) * rot[j];
    }
    return local;
}

}  // namespace

mat4 KidRig::bindLocal(size_t j) const {
    const vec3 parent = joints[j].parent < 0 ? vec3(0.0f) : joints[joints[j].parent].bindPosition;
    return glm::translate(mat4(1.0f), joints[j].bindPosition - parent);
}

std::vector<mat4> KidRig::globals(const std::vector<mat4>& locals) const {
    std::vector<mat4> g(joints.size());
    for (size_t j = 0; j < joints.size(); ++j)
        g[j] = joints[j].parent < 0 ? locals[j] : g[joints[j].parent] * locals[j];
    return g;
}

std::vector<mat4> KidRig::localsAtKey(size_t k) const {
    std::vector<mat4> l(joints.size());
    for (size_t j = 0; j < joints.size(); ++j) l[j] = keys[j][k];
    return l;
}

std::vector<vec3> KidRig::skinnedPositions(size_t k) const {
    const std::vector<mat4> g = globals(localsAtKey(k));
    std::vector<mat4> skin(joints.size());
    for (size_t j = 0; j < joints.size(); ++j)
        skin[j] = g[j] * glm::translate(mat4(1.0f), -joints[j].bindPosition);
    std::vector<vec3> out(mesh.positions.size());
    for (size_t v = 0; v < out.size(); ++v) {
        const Influence& inf = mesh.influences[v];
        vec4 p(0.0f);
        for (int i = 0; i < 4; ++i)
            if (inf.weights[i] > 0.0f)
                p += inf.weights[i] * (skin[inf.joints[i]] * vec4(mesh.positions[v], 1.0f));
        out[v] = vec3(p);
    }
    return out;
}

KidRig buildKid() {
    KidRig rig;
    rig.joints = skeleton();
    addTorso(rig.mesh);
    addLeg(rig.mesh, 0.13f, kThighL, kShinL, kFootL);
    addLeg(rig.mesh, -0.13f, kThighR, kShinR, kFootR);
    addArm(rig.mesh, 1.0f, kShoulderL, kUpperArmL, kForearmL, kHandL);
    addArm(rig.mesh, -1.0f, kShoulderR, kUpperArmR, kForearmR, kHandR);
    rig.mesh.smoothNormals(0);
    addHead(rig.mesh);
    rig.mesh.compact();

    rig.keys.assign(rig.joints.size(), std::vector<mat4>(kWalkKeys));
    for (int k = 0; k < kWalkKeys; ++k) {
        const float t = kWalkCycleSeconds * k / (kWalkKeys - 1);
        rig.keyTimes.push_back(t);
        // The last key repeats the first exactly, so the loop closes without a jump.
        const std::vector<mat4> pose = walkPose(rig.joints, k == kWalkKeys - 1 ? 0.0f : t);
        for (size_t j = 0; j < rig.joints.size(); ++j) rig.keys[j][k] = pose[j];
    }
    // Plant the lower foot on the ground: lift or lower the pelvis per key.
    for (int k = 0; k < kWalkKeys; ++k) {
        float lowest = 1e9f;
        for (const vec3& p : rig.skinnedPositions(k)) lowest = std::min(lowest, p.y);
        rig.keys[kPelvis][k][3][1] -= lowest;
    }
    return rig;
}

namespace {

// Paints fn(s, t) over a cell given in image pixels; s, t are 0..1 with t up.
template <typename Fn>
void paintCell(Canvas& canvas, int x0, int y0, int w, int h, Fn fn) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            canvas.at(x0 + x, y0 + y) = vec4(fn((x + 0.5f) / w, 1.0f - (y + 0.5f) / h), 1.0f);
}

vec3 fabric(vec3 base, float s, float t, uint32_t seed) {
    const float n = periodicFbm(s * 16.0f, t * 16.0f, 16, 16, 2, seed);
    return base * (0.88f + 0.2f * n);
}

vec3 torsoColour(float s, float t) {
    vec3 c;
    if (t < kBeltLow)
        c = fabric(kTrousers, s, t, 1u);
    else if (t < kBeltHigh)
        c = vec3(0.25f, 0.14f, 0.08f);
    else if (t < kCollar)
        c = (t > kStripeLow && t < kStripeHigh) ? kStripe : fabric(kShirt, s, t, 2u);
    else if (t < kNeckSkin)
        c = vec3(0.97f, 0.95f, 0.90f);
    else
        c = kSkin;
    // A round badge on the chest front (s = 0.25 faces +z).
    const vec2 d((s - 0.25f) / 0.06f, (t - 0.665f) / 0.065f);
    if (glm::dot(d, d) < 1.0f) c = glm::dot(d, d) < 0.45f ? vec3(0.2f, 0.75f, 0.95f) : vec3(1.0f);
    return c;
}

vec3 faceColour(float s, float t) {
    vec3 c = kSkin;
    // Rosy cheeks.
    for (float side : {-1.0f, 1.0f}) {
        const vec2 cheek((s - 0.5f - 0.27f * side) / 0.09f, (t - 0.36f) / 0.06f);
        c = glm::mix(c, vec3(0.98f, 0.55f, 0.50f), 0.6f * std::exp(-glm::dot(cheek, cheek)));
    }
    // Eyes: dark ovals with a bright glint.
    for (float side : {-1.0f, 1.0f}) {
        const vec2 eye((s - 0.5f - 0.17f * side) / 0.055f, (t - 0.50f) / 0.085f);
        if (glm::dot(eye, eye) < 1.0f) c = vec3(0.08f, 0.05f, 0.05f);
        const vec2 glint((s - 0.5f - 0.17f * side - 0.018f) / 0.018f, (t - 0.53f) / 0.025f);
        if (glm::dot(glint, glint) < 1.0f) c = vec3(1.0f);
        const vec2 brow((s - 0.5f - 0.17f * side) / 0.07f, (t - 0.63f) / 0.014f);
        if (glm::dot(brow, brow) < 1.0f) c = kHair * 0.8f;
    }
    // A smile: part of a ring below the nose.
    const vec2 m((s - 0.5f) / 0.13f, (t - 0.36f) / 0.10f);
    const float r = glm::length(m);
    if (r > 0.85f && r < 1.15f && m.y < -0.35f) c = vec3(0.55f, 0.12f, 0.12f);
    return c;
}

vec3 hairColour(float s, float t) {
    const float strands = periodicFbm(s * 48.0f, t * 3.0f, 48, 3, 2, 5u);
    return kHair * (0.7f + 0.6f * strands);
}

vec3 shoeColour(float s, float t) {
    // Around the shoe tube s = 0.25 is the sole (facing down), s = 0.75 the top.
    if (std::fabs(s - 0.25f) < 0.14f) return vec3(0.95f, 0.95f, 0.92f);
    if (std::fabs(s - 0.75f) < 0.06f && t > 0.25f && t < 0.6f)
        return std::fmod(t * 30.0f, 2.0f) < 1.0f ? vec3(1.0f) : kShoe * 0.7f;
    return kShoe * (0.9f + 0.1f * t);
}

}  // namespace

Canvas paintKidAtlas() {
    Canvas canvas(512, 512);
    paintCell(canvas, 0, 0, 256, 256, torsoColour);
    paintCell(canvas, 256, 0, 128, 256, [](float s, float t) {
        if (t < kSleeveEnd - 0.04f) return fabric(kShirt, s, t, 3u);
        if (t < kSleeveEnd) return kStripe;
        return kSkin;
    });
    paintCell(canvas, 384, 0, 128, 256, [](float s, float t) {
        return t > kCuff ? kTrousers * 0.7f : fabric(kTrousers, s, t, 4u);
    });
    paintCell(canvas, 0, 256, 256, 256, faceColour);
    paintCell(canvas, 256, 256, 128, 128, hairColour);
    paintCell(canvas, 384, 256, 128, 128, shoeColour);
    paintCell(canvas, 256, 384, 128, 128, [](float, float) { return kSkin; });
    paintCell(canvas, 384, 384, 128, 128, [](float, float) { return kSkin * 0.9f; });
    return canvas;
}

}  // namespace artgen
