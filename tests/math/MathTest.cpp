// The game's matrices come from GLM with its default configuration. These
// tests pin that configuration element by element against the formulas the
// renderer was written for (right-handed, clip depth -1..1, column-major), so
// a GLM_FORCE_* define or a library change that alters them shows up here.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <new>
#include <sstream>

#include "math/Math.h"

namespace dusk {
namespace {

// Reference matrices are computed in double from the formulas: R[c][r].
using Ref = std::array<std::array<double, 4>, 4>;

Ref zeroRef() { return Ref{}; }

Ref identityRef() {
    Ref m{};
    for (int i = 0; i < 4; ++i) {
        m[i][i] = 1.0;
    }
    return m;
}

struct D3 {
    double x, y, z;
};

D3 sub(D3 a, D3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dot(D3 a, D3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
D3 cross(D3 a, D3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
D3 normalise(D3 a) {
    const double length = std::sqrt(dot(a, a));
    return {a.x / length, a.y / length, a.z / length};
}
D3 toD3(vec3 v) { return {v.x, v.y, v.z}; }

// One failure per matrix, naming every element that is off.
void expectMatches(const mat4& actual, const Ref& expected, const char* what) {
    std::ostringstream wrong;
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            const double want = expected[c][r];
            if (!(std::fabs(actual[c][r] - want) <= 1e-6 + 2e-6 * std::fabs(want))) {
                wrong << " [" << c << "][" << r << "] is " << actual[c][r] << ", want " << want
                      << ";";
            }
        }
    }
    EXPECT_TRUE(wrong.str().empty()) << what << ":" << wrong.str();
}

// --- translate -------------------------------------------------------------

Ref translateRef(const mat4& m, vec3 v) {
    Ref result{};
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            result[c][r] = m[c][r];
        }
    }
    for (int r = 0; r < 4; ++r) {
        result[3][r] =
            double(m[0][r]) * v.x + double(m[1][r]) * v.y + double(m[2][r]) * v.z + m[3][r];
    }
    return result;
}

TEST(MathTranslate, ReplacesColumnThreeByTheMovedOrigin) {
    mat4 general(1.0f);
    // A matrix with every element distinct, so a transposed use shows.
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            general[c][r] = 0.5f + float(c) * 1.25f - float(r) * 0.75f + float(c * r) * 0.1f;
        }
    }
    const struct {
        mat4 m;
        vec3 v;
        const char* name;
    } cases[] = {
        {mat4(1.0f), vec3(100.0f, 100.0f, 100.0f), "identity to the light"},
        {mat4(1.0f), vec3(-75.0f, 1.0f, 75.0f), "identity to a corner"},
        {mat4(2.0f), vec3(1.0f, -2.0f, 3.0f), "uniform scale"},
        {general, vec3(0.3f, -7.0f, 12.5f), "general matrix"},
    };
    for (const auto& test : cases) {
        expectMatches(translate(test.m, test.v), translateRef(test.m, test.v), test.name);
    }
}

// --- perspective -------------------------------------------------------------

Ref perspectiveRef(double fovy, double aspect, double zNear, double zFar) {
    Ref m = zeroRef();
    const double t = std::tan(fovy / 2.0);
    m[0][0] = 1.0 / (aspect * t);
    m[1][1] = 1.0 / t;
    m[2][2] = -(zFar + zNear) / (zFar - zNear);
    m[2][3] = -1.0;
    m[3][2] = -(2.0 * zFar * zNear) / (zFar - zNear);
    return m;
}

struct PerspectiveCase {
    float fovy, aspect, zNear, zFar;
    const char* name;
};

const PerspectiveCase perspectiveCases[] = {
    // The player's camera: 60 degrees as the float 1.0471975803375244.
    {1.0471975803375244f, 1280.0f / 720.0f, 0.1f, 1000.0f, "camera 1280x720"},
    {1.0471975803375244f, 800.0f / 600.0f, 0.1f, 1000.0f, "camera 800x600"},
    {0.7853982f, 1.0f, 1.0f, 100.0f, "square 45 degrees"},
    {1.5f, 0.5f, 2.0f, 3.0f, "tall, shallow depth range"},
};

TEST(MathPerspective, MatchesTheFormulaElementByElement) {
    for (const auto& c : perspectiveCases) {
        expectMatches(perspective(c.fovy, c.aspect, c.zNear, c.zFar),
                      perspectiveRef(c.fovy, c.aspect, c.zNear, c.zFar), c.name);
    }
}

TEST(MathPerspective, MapsNearAndFarPlanesToClipDepthMinusOneAndOne) {
    // Right-handed: the camera looks down -z; depth runs -1 (near) .. 1 (far).
    for (const auto& c : perspectiveCases) {
        const mat4 p = perspective(c.fovy, c.aspect, c.zNear, c.zFar);
        const vec4 nearPoint = p * vec4(0.0f, 0.0f, -c.zNear, 1.0f);
        const vec4 farPoint = p * vec4(0.0f, 0.0f, -c.zFar, 1.0f);
        EXPECT_NEAR(nearPoint.z / nearPoint.w, -1.0f, 1e-4f) << c.name;
        EXPECT_NEAR(farPoint.z / farPoint.w, 1.0f, 2e-3f) << c.name;
        EXPECT_GT(nearPoint.w, 0.0f) << c.name << ": a point in front of the camera has w > 0";
    }
}

// --- ortho -------------------------------------------------------------------

Ref orthoRef(double l, double r, double b, double t, double n, double f) {
    Ref m = identityRef();
    m[0][0] = 2.0 / (r - l);
    m[1][1] = 2.0 / (t - b);
    m[2][2] = -2.0 / (f - n);
    m[3][0] = -(r + l) / (r - l);
    m[3][1] = -(t + b) / (t - b);
    m[3][2] = -(f + n) / (f - n);
    return m;
}

TEST(MathOrtho, MatchesTheFormulaElementByElement) {
    const struct {
        float l, r, b, t, n, f;
        const char* name;
    } cases[] = {
        {-100.0f, 100.0f, -100.0f, 100.0f, -100.0f, 200.0f, "the light's box"},
        {0.0f, 1280.0f, 0.0f, 720.0f, -1.0f, 1.0f, "screen pixels"},
        {-2.0f, 6.0f, -1.0f, 3.0f, 0.5f, 10.0f, "off-centre box"},
    };
    for (const auto& c : cases) {
        expectMatches(ortho(c.l, c.r, c.b, c.t, c.n, c.f), orthoRef(c.l, c.r, c.b, c.t, c.n, c.f),
                      c.name);
    }
}

TEST(MathOrtho, TheLightsBoxMapsItsCornersToTheClipCube) {
    const mat4 light = ortho(-100.0f, 100.0f, -100.0f, 100.0f, -100.0f, 200.0f);
    const vec4 nearCorner = light * vec4(-100.0f, -100.0f, 100.0f, 1.0f);  // z = -near
    const vec4 farCorner = light * vec4(100.0f, 100.0f, -200.0f, 1.0f);    // z = -far
    EXPECT_NEAR(nearCorner.x, -1.0f, 1e-6f);
    EXPECT_NEAR(nearCorner.y, -1.0f, 1e-6f);
    EXPECT_NEAR(nearCorner.z, -1.0f, 1e-6f);
    EXPECT_NEAR(farCorner.x, 1.0f, 1e-6f);
    EXPECT_NEAR(farCorner.y, 1.0f, 1e-6f);
    EXPECT_NEAR(farCorner.z, 1.0f, 1e-6f);
    EXPECT_EQ(farCorner.w, 1.0f);
}

// --- lookAt ------------------------------------------------------------------

Ref lookAtRef(vec3 eyeF, vec3 centerF, vec3 upF) {
    const D3 eye = toD3(eyeF);
    const D3 f = normalise(sub(toD3(centerF), eye));
    const D3 s = normalise(cross(f, toD3(upF)));
    const D3 u = cross(s, f);
    Ref m = identityRef();
    // Rows 0, 1, 2 of the rotation are s, u and -f.
    const D3 rows[3] = {s, u, {-f.x, -f.y, -f.z}};
    for (int r = 0; r < 3; ++r) {
        m[0][r] = rows[r].x;
        m[1][r] = rows[r].y;
        m[2][r] = rows[r].z;
    }
    m[3][0] = -dot(s, eye);
    m[3][1] = -dot(u, eye);
    m[3][2] = dot(f, eye);
    return m;
}

struct LookAtCase {
    vec3 eye, center, up;
    const char* name;
};

const LookAtCase lookAtCases[] = {
    {{100.0f, 100.0f, 100.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, "the light"},
    {{0.0f, 5.0f, 10.0f}, {0.0f, 5.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, "level, looking -z"},
    {{3.0f, 1.0f, -2.0f}, {3.5f, 1.2f, -1.0f}, {0.0f, 1.0f, 0.0f}, "player-like, oblique"},
    {{-20.0f, 8.0f, 30.0f}, {10.0f, -4.0f, -6.0f}, {0.2f, 1.0f, 0.1f}, "tilted up vector"},
};

TEST(MathLookAt, MatchesTheFormulaElementByElement) {
    for (const auto& c : lookAtCases) {
        expectMatches(lookAt(c.eye, c.center, c.up), lookAtRef(c.eye, c.center, c.up), c.name);
    }
}

TEST(MathLookAt, PutsTheEyeAtTheOriginLookingDownMinusZ) {
    for (const auto& c : lookAtCases) {
        const mat4 view = lookAt(c.eye, c.center, c.up);
        const vec4 eye = view * vec4(c.eye, 1.0f);
        const vec4 center = view * vec4(c.center, 1.0f);
        const float distance = glm::length(c.center - c.eye);
        EXPECT_NEAR(glm::length(vec3(eye)), 0.0f, 1e-4f) << c.name;
        EXPECT_NEAR(center.x, 0.0f, 1e-4f) << c.name;
        EXPECT_NEAR(center.y, 0.0f, 1e-4f) << c.name;
        EXPECT_NEAR(center.z, -distance, 1e-4f * distance) << c.name;
    }
}

// --- mat4 construction and storage -------------------------------------------

// Members such as modelMatrix are often left to the default constructor.
struct HoldsAMatrix {
    HoldsAMatrix() {}
    mat4 matrix;
};

TEST(MathMat4, DefaultIsIdentityAndScalarFillsTheDiagonal) {
    // GLM 0.9.9 leaves a default mat4 uninitialised (and mat4() all zeros)
    // unless GLM_FORCE_CTOR_INIT is defined for every translation unit.
    expectMatches(mat4(), identityRef(), "mat4()");
    expectMatches(mat4{}, identityRef(), "mat4{}");

    // Default-initialised in storage full of garbage: must still come out as
    // the identity, not as whatever the bytes were.
    alignas(HoldsAMatrix) unsigned char storage[sizeof(HoldsAMatrix)];
    volatile unsigned char* bytes = storage;
    for (size_t i = 0; i < sizeof storage; ++i) {
        bytes[i] = 0x5a;
    }
    const HoldsAMatrix* holder = new (storage) HoldsAMatrix;
    expectMatches(holder->matrix, identityRef(), "default-initialised member");
    holder->~HoldsAMatrix();

    for (float s : {0.0f, 2.5f, -3.0f}) {
        Ref diagonal{};
        for (int i = 0; i < 4; ++i) {
            diagonal[i][i] = s;
        }
        expectMatches(mat4(s), diagonal, "mat4(s)");
    }
}

TEST(MathMat4, StorageIsColumnMajorWithTheTranslationInColumnThree) {
    const mat4 m = translate(mat4(1.0f), vec3(7.0f, -8.0f, 9.0f));
    EXPECT_EQ(m[3], vec4(7.0f, -8.0f, 9.0f, 1.0f));
    // Uniform uploads hand this memory to GL untransposed: the translation
    // must be elements 12, 13 and 14 of the sixteen floats.
    const float* data = glm::value_ptr(m);
    EXPECT_EQ(data[12], 7.0f);
    EXPECT_EQ(data[13], -8.0f);
    EXPECT_EQ(data[14], 9.0f);
    EXPECT_EQ(data[15], 1.0f);
    EXPECT_EQ(data[3], 0.0f);
    EXPECT_EQ(data[7], 0.0f);
    // Applied to column vectors: the origin lands on the translation.
    EXPECT_EQ(m * vec4(0.0f, 0.0f, 0.0f, 1.0f), vec4(7.0f, -8.0f, 9.0f, 1.0f));
    EXPECT_EQ(m * vec4(1.0f, 0.0f, 0.0f, 0.0f), vec4(1.0f, 0.0f, 0.0f, 0.0f));
}

TEST(MathMat4, ProductsApplyTheRightFactorFirst) {
    // projection * view * model: model acts first. A translation after a
    // scale differs from a scale after a translation.
    mat4 scale(1.0f);
    scale[0][0] = scale[1][1] = scale[2][2] = 2.0f;
    const mat4 move = translate(mat4(1.0f), vec3(1.0f, 0.0f, 0.0f));
    const vec4 point(1.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_EQ((move * scale) * point, vec4(3.0f, 0.0f, 0.0f, 1.0f));
    EXPECT_EQ((scale * move) * point, vec4(4.0f, 0.0f, 0.0f, 1.0f));
}

}  // namespace
}  // namespace dusk
